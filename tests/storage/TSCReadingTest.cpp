// Reading TSC text: tokens, numbers, defines, and every lexer and parser error with its position.
#include "StorageTest.h"

#include "storage/TSCChars.h"
#include "storage/TSCError.h"
#include "storage/TTSCFile.h"
#include "storage/TTSCLexer.h"

#include <gtest/gtest.h>

namespace {

// The message of the error that loading `text` raises, or "" when it loads.
std::string loadError(const std::string& text) {
    return errorOf<TSCError>([&] { TTSCFile().LoadText(text); });
}

std::string repeat(const std::string& part, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += part;
    return out;
}

struct ErrorCase {
    const char* what;
    std::string text;
    std::string message;
};

class TSCErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(TSCErrorTest, NamesTheProblemAndWhereItIs) {
    EXPECT_EQ(loadError(GetParam().text), GetParam().message) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Lexer, TSCErrorTest,
    testing::Values(
        ErrorCase{"unknown character", "a=1 @\n", "ERROR: Unknown character ('@') at line 1, character 5"},
        ErrorCase{"slash names the next character", "a=1\n/x\n",
                  "ERROR: Unknown character ('x') at line 2, character 2"},
        ErrorCase{"slash at the very end", "a=1\n/", "ERROR: Unknown character ('/') at line 2, character 1"},
        ErrorCase{"unfinished block comment", "a=1 /*never",
                  "ERROR: Unfinished block comment at line 1, character 11"},
        ErrorCase{"unfinished string", "a=\"abc", "ERROR: Unfinished string at line 1, character 6"},
        ErrorCase{"unfinished string over lines", "g{\n\tx=\"a\nb\n",
                  "ERROR: Unfinished string at line 3, character 2"},
        ErrorCase{"unknown escape", "a=\"x\\q\"\n",
                  "ERROR: Unknown escape sequence ('\\q') at line 1, character 6"},
        ErrorCase{"other quote is no escape", "a=\"x\\'\"\n",
                  "ERROR: Unknown escape sequence ('\\'') at line 1, character 6"},
        ErrorCase{"end of file in a number", "a=12", "ERROR: Unexpected end of file at line 1, character 4"},
        ErrorCase{"end of file in an identifier", "g{ name",
                  "ERROR: Unexpected end of file at line 1, character 7"},
        ErrorCase{"two radix points", "a=1.2.3\n",
                  "ERROR: Multiple radix points found in floating point value at line 1, character 6"},
        ErrorCase{"minus inside a number", "a=5-1\n",
                  "ERROR: Unary minus must come at the start of a number at line 1, character 4"},
        ErrorCase{"minus at the end of a number", "a=5- \n",
                  "ERROR: Unary minus must come at the start of a number at line 1, character 4"},
        ErrorCase{"letters after digits", "a=5abc\n",
                  "ERROR: Idents cannot start with a number at line 1, character 4"},
        ErrorCase{"no exponent digits", "a=5e+x\n",
                  "ERROR: Idents cannot start with a number at line 1, character 4"},
        ErrorCase{"exponent followed by a point", "a=1e5.3\n",
                  "ERROR: Malformed exponent in number at line 1, character 6"},
        ErrorCase{"byte outside ASCII", "a=\xC3\xA9\n",
                  "ERROR: Unknown character ('\xC3') at line 1, character 3"}));

INSTANTIATE_TEST_SUITE_P(
    Parser, TSCErrorTest,
    testing::Values(
        ErrorCase{"semicolon after a key", "a=1;\n", "ERROR: Unexpected ; at line 1, character 4"},
        ErrorCase{"stray close", "}\n", "ERROR: Unexpected } at line 1, character 1"},
        ErrorCase{"unknown directive names the mnemonic", "#include \"x\"\n",
                  "ERROR: Unknown directive \"Ident\" at line 1, character 2"},
        ErrorCase{"name followed by a name", "a b=1\n", "ERROR: Unexpected Ident at line 1, character 3"},
        ErrorCase{"name followed by a string", "a \"b\"\n",
                  "ERROR: Unexpected String at line 1, character 3"},
        ErrorCase{"value names no define", "a=b\n", "ERROR: Unexpected token Ident at line 1, character 3"},
        ErrorCase{"missing value", "a=,1\n", "ERROR: Unexpected token , at line 1, character 3"},
        ErrorCase{"group as a value", "a={\n", "ERROR: Unexpected token { at line 1, character 3"},
        ErrorCase{"define without a name", "#define 5 6\n",
                  "ERROR: Expecting token \"Ident\" at line 1, position 9"},
        ErrorCase{"define with a brace", "#define x {\n",
                  "ERROR: Unexpected token { at line 1, character 11"},
        ErrorCase{"define is no key name", "define=1\n", "ERROR: Unexpected Define at line 1, character 1"},
        ErrorCase{"too many values", "k=" + repeat("1,", 100) + "1\n",
                  "ERROR: More than 100 values in key k at line 1, character 203"},
        ErrorCase{"groups too deep", repeat("g{", 101) + repeat("}", 101),
                  "ERROR: Groups nested deeper than 100 at line 1, character 202"}));

// Running out of tokens in the middle of a statement ends in an error at the last token read.
INSTANTIATE_TEST_SUITE_P(
    EndOfTokens, TSCErrorTest,
    testing::Values(
        ErrorCase{"a name alone", "a\n", "ERROR: Unexpected end of file after Ident at line 1, character 1"},
        ErrorCase{"no value after =", "a=\n", "ERROR: Unexpected end of file after = at line 1, character 2"},
        ErrorCase{"no value after a comma", "a=1,\n",
                  "ERROR: Unexpected end of file after , at line 1, character 4"},
        ErrorCase{"group never closed", "g{\n a=1\n",
                  "ERROR: Unexpected end of file in group g, expecting \"}\" at line 2, character 4"},
        ErrorCase{"inner group never closed", "g{ h{ }\n",
                  "ERROR: Unexpected end of file in group g, expecting \"}\" at line 1, character 7"},
        ErrorCase{"directive mark alone", "#\n",
                  "ERROR: Unexpected end of file after # at line 1, character 1"},
        ErrorCase{"define without a name", "#define\n",
                  "ERROR: Unexpected end of file after Define at line 1, character 2"},
        ErrorCase{"define without a value", "#define x\n",
                  "ERROR: Unexpected end of file after Ident at line 1, character 9"}));

TEST(TSCReadingTest, LimitsAreInclusive) {
    TTSCFile file;
    ASSERT_NO_THROW(file.LoadText("k=" + repeat("1,", 99) + "2\n"));
    EXPECT_EQ(file.ResolveKey("", "k")->count(), 100);
    EXPECT_EQ(file.GetNumberKey("", "k", 99), 2.0f);
    ASSERT_NO_THROW(file.LoadText(repeat("g{", 100) + "k=1\n" + repeat("}", 100)));
    EXPECT_EQ(file.ResolveKey(file.keys()[0]->path, "k")->values[0], "1");
    EXPECT_EQ(file.groups().size(), 100u);
}

TEST(TSCReadingTest, TokensCarryKindTextAndStartPosition) {
    TTSCLexer lexer;
    lexer.LexText("Profile{\n\tName=\"Dorvin\"\n\twh=8,-6.5 // size\n/* note */ #DEFINE x 'y'\n}");
    const std::vector<std::tuple<int, std::string, int, int>> expected = {
        {tscIdent, "Profile", 1, 1}, {tscOpenGroup, "{", 1, 8},   {tscIdent, "Name", 2, 2},
        {tscAssign, "=", 2, 6},      {tscString, "Dorvin", 2, 7}, {tscIdent, "wh", 3, 2},
        {tscAssign, "=", 3, 4},      {tscNumber, "8", 3, 5},      {tscComma, ",", 3, 6},
        {tscNumber, "-6.5", 3, 7},   {tscDirective, "#", 4, 12},  {tscDefine, "DEFINE", 4, 13},
        {tscIdent, "x", 4, 20},      {tscString, "y", 4, 22},     {tscCloseGroup, "}", 5, 1}};
    ASSERT_EQ(lexer.tokens.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const auto& [kind, text, line, column] = expected[i];
        EXPECT_EQ(lexer.tokens[i].kind, kind) << i;
        EXPECT_EQ(lexer.tokens[i].text, text) << i;
        EXPECT_EQ(lexer.tokens[i].line, line) << i;
        EXPECT_EQ(lexer.tokens[i].column, column) << i;
    }
}

TEST(TSCReadingTest, MnemonicsOfEveryKind) {
    const char* names[] = {"Unknown", "{",      "}",      "#",     ";",      ",",
                           "=",       "String", "Number", "Ident", "Define", "Unknown"};
    for (int kind = 0; kind <= 11; ++kind) EXPECT_EQ(TokenIDToMnemonic(kind), names[kind]) << kind;
    EXPECT_EQ(TokenIDToMnemonic(-1), "Unknown");
}

TEST(TSCReadingTest, StringEscapesAndBothQuotes) {
    TTSCFile file;
    file.LoadText("s=\"\\a\\b\\f\\n\\r\\t\\v\\0\\\\\\\"\",'it\\'s',\"two\nlines\"\n");
    EXPECT_EQ(file.GetStringKey("", "s", 0), std::string("\a\b\f\n\r\t\v\0\\\"", 10));
    EXPECT_EQ(file.GetStringKey("", "s", 1), "it's");
    EXPECT_EQ(file.GetStringKey("", "s", 2), "two\nlines");
    EXPECT_EQ(file.ResolveKey("", "s")->types,
              (std::vector<int>{tscStringValue, tscStringValue, tscStringValue}));
}

TEST(TSCReadingTest, NumbersKeepTheirTextAndReadAsFloats) {
    TTSCFile file;
    file.LoadText("n=-5,.5,-,5.,007,-.25,1.00000000e+10,2.5E-3\n");
    const auto key = file.ResolveKey("", "n");
    ASSERT_TRUE(key);
    EXPECT_EQ(key->values,
              (std::vector<std::string>{"-5", ".5", "-", "5.", "007", "-.25", "1.00000000e+10", "2.5E-3"}));
    EXPECT_EQ(key->types, std::vector<int>(8, tscNumberValue));
    const float expected[] = {-5.0f, 0.5f, 0.0f, 5.0f, 7.0f, -0.25f, 1e10f, 0.0025f};
    for (int i = 0; i < 8; ++i) EXPECT_FLOAT_EQ(file.GetNumberKey("", "n", i), expected[i]) << i;
}

TEST(TSCReadingTest, CommentsAndBlanksAreSkipped) {
    TTSCFile file;
    file.LoadText("// first\r\ng { /* a\n * } */ a = 1 // a=2\n\tb=2}");
    EXPECT_EQ(file.keys().size(), 2u);
    EXPECT_EQ(file.GetNumberKey("g", "a"), 1.0f);
    EXPECT_EQ(file.GetNumberKey("g", "b"), 2.0f);
}

TEST(TSCReadingTest, FileEndingAtTheBraceReadsLikeOneEndingWithALineBreak) {
    TTSCFile atBrace;
    TTSCFile atLineBreak;
    atBrace.LoadText("g{\n\ta=1\n\th{\n\t\tb=\"x\"\n\t}\n}");
    atLineBreak.LoadText("g{\n\ta=1\n\th{\n\t\tb=\"x\"\n\t}\n}\n");
    EXPECT_EQ(atBrace.ToText(), atLineBreak.ToText());
    EXPECT_EQ(atBrace.GetStringKey("g::h", "b"), "x");
    EXPECT_EQ(atBrace.groups().size(), 2u);
}

TEST(TSCReadingTest, DefinesAreGlobalAndTheLastEarlierOneWins) {
    TTSCFile file;
    file.LoadText("#define W 8\n"
                  "g{\n"
                  "\ta=w\n"
                  "\t#define W \"nine\"\n"
                  "\tb=W\n"
                  "}\n"
                  "c=W,W\n");
    EXPECT_EQ(file.GetStringKey("g", "a"), "8");
    EXPECT_EQ(file.GetStringKey("g", "b"), "nine");
    EXPECT_EQ(file.GetStringKey("", "c", 1), "nine");
    EXPECT_EQ(file.ResolveKey("g", "a")->types[0], tscPlainValue);
    EXPECT_EQ(file.GetNumberKey("g", "a"), 8.0f);
}

TEST(TSCReadingTest, FailedLoadKeepsTheContents) {
    TTSCFile file;
    file.LoadText("g{ a=1\n}\n");
    EXPECT_THROW(file.LoadText("g{ a=2\n"), TSCError);
    EXPECT_EQ(file.GetNumberKey("g", "a"), 1.0f);
}

TEST(TSCReadingTest, CharacterTests) {
    EXPECT_TRUE(IsCharNumeric("7"));
    EXPECT_FALSE(IsCharNumeric("-"));
    EXPECT_FALSE(IsCharNumeric("77"));
    EXPECT_TRUE(IsCharWhitespace("\t"));
    EXPECT_FALSE(IsCharWhitespace("\n"));
    EXPECT_TRUE(IsCharIdent("_"));
    EXPECT_FALSE(IsCharIdent(""));
    EXPECT_TRUE(IsCharAlpha("Q"));
    EXPECT_FALSE(IsCharAlpha("\xC3"));
    EXPECT_TRUE(IsStringNumber("-1.5"));
    EXPECT_FALSE(IsStringNumber("1.2.3"));
    EXPECT_FALSE(IsStringNumber(""));
    EXPECT_TRUE(IsStringIdent("_a1"));
    EXPECT_FALSE(IsStringIdent("1a"));
    EXPECT_FALSE(IsStringIdent("a-b"));
}

} // namespace
