// The TSC lexer. Every token records where its first character is, so that messages point at the
// start of the offending word rather than just past it.
#include "storage/TTSCLexer.h"

#include "platform/Files.h"
#include "storage/TSCChars.h"
#include "storage/TSCError.h"

void TTSCLexer::Lex(const std::string& path) {
    const auto text = platform::loadText(path);
    if (!text) throw TSCError("ERROR: Cannot read the file " + path);
    LexText(*text);
}

namespace {
// The kind of a token made of this one character alone, 0 for any other character.
int punctuationKind(char c) {
    switch (c) {
    case '#':
        return tscDirective;
    case '{':
        return tscOpenGroup;
    case '}':
        return tscCloseGroup;
    case ';':
        return tscSemicolon;
    case ',':
        return tscComma;
    case '=':
        return tscAssign;
    default:
        return 0;
    }
}
} // namespace

void TTSCLexer::LexText(const std::string& text) {
    tokens.clear();
    line = 1;
    column = 0;
    current = 0;
    pendingKind = 0;
    source = text;
    position = 0;
    length = source.size();
    hasCurrent_ = false;

    NextChar();
    while (hasCurrent_) {
        const char c = current;
        if (IsCharBlank(c)) {
            NextChar();
            continue;
        }
        MarkTokenStart();
        if (const int kind = punctuationKind(c)) {
            NewToken(kind, std::string(1, c));
            NextChar();
        } else if (c == '"' || c == '\'') {
            LexString(c);
        } else if (c == '/') {
            LexComment();
        } else if (IsCharNumberPart(c)) {
            LexNumber();
        } else if (IsCharIdent(c)) {
            LexIdent();
        } else {
            ErrorChar();
        }
    }
}

void TTSCLexer::ErrorChar() const {
    ErrorAtPos("Unknown character ('" + std::string(1, current) + "')");
}

void TTSCLexer::ErrorAtPos(const std::string& message) const {
    throw TSCError("ERROR: " + message + " at line " + std::to_string(line) + ", character " +
                   std::to_string(column));
}

void TTSCLexer::NextChar() {
    if (position >= length) {
        hasCurrent_ = false;
        return;
    }
    // A line feed belongs to the end of its own line; the character after it starts the next.
    if (hasCurrent_ && current == '\n') {
        ++line;
        column = 1;
    } else {
        ++column;
    }
    current = source[position++];
    hasCurrent_ = true;
}

void TTSCLexer::MarkTokenStart() {
    tokenLine_ = line;
    tokenColumn_ = column;
}

void TTSCLexer::LexComment() {
    NextChar();
    if (!hasCurrent_) {
        current = '/';
        ErrorChar();
    }
    if (current == '/') {
        while (hasCurrent_ && current != '\n') NextChar();
        return;
    }
    if (current != '*') ErrorChar(); // names the character after the "/"
    for (;;) {
        NextChar();
        if (!hasCurrent_) ErrorAtPos("Unfinished block comment");
        if (current == '*' && position < length && source[position] == '/') {
            NextChar();
            NextChar();
            return;
        }
    }
}

void TTSCLexer::LexString(char quote) {
    std::string text;
    for (;;) {
        NextChar();
        if (!hasCurrent_) ErrorAtPos("Unfinished string");
        if (current == quote) break;
        if (current != '\\') {
            text += current;
            continue;
        }
        NextChar();
        if (!hasCurrent_) ErrorAtPos("Unfinished string");
        switch (current) {
        case 'a':
            text += '\a';
            break;
        case 'b':
            text += '\b';
            break;
        case 'f':
            text += '\f';
            break;
        case 'n':
            text += '\n';
            break;
        case 'r':
            text += '\r';
            break;
        case 't':
            text += '\t';
            break;
        case 'v':
            text += '\v';
            break;
        case '0':
            text += '\0';
            break;
        case '\\':
            text += '\\';
            break;
        default:
            if (current != quote) ErrorAtPos("Unknown escape sequence ('\\" + std::string(1, current) + "')");
            text += quote;
        }
    }
    NewToken(tscString, std::move(text));
    NextChar(); // past the closing quote
}

void TTSCLexer::LexIdent() {
    std::string text;
    while (hasCurrent_ && IsCharIdent(current)) TakeChar(text);
    if (SameText(text, "define")) pendingKind = tscDefine;
    NewToken(tscIdent, std::move(text));
}

void TTSCLexer::LexNumber() {
    std::string text;
    bool point = false;
    bool digits = false;
    while (hasCurrent_ && IsCharNumberPart(current)) {
        if (current == '.') {
            if (point) ErrorAtPos("Multiple radix points found in floating point value");
            point = true;
        } else if (current == '-') {
            if (!text.empty()) ErrorAtPos("Unary minus must come at the start of a number");
        } else {
            digits = true;
        }
        TakeChar(text);
    }
    // An exponent, as large and small numbers are written ("1.00000000e+10").
    if (hasCurrent_ && digits && (current == 'e' || current == 'E')) {
        size_t next = position;
        if (next < length && (source[next] == '+' || source[next] == '-')) ++next;
        if (next < length && IsCharNumeric(source[next])) {
            TakeChar(text);
            if (current == '+' || current == '-') TakeChar(text);
            while (hasCurrent_ && IsCharNumeric(current)) TakeChar(text);
            if (hasCurrent_ && (IsCharNumberPart(current) || IsCharIdent(current)))
                ErrorAtPos("Malformed exponent in number");
        }
    }
    if (hasCurrent_ && IsCharIdent(current)) ErrorAtPos("Idents cannot start with a number");
    NewToken(tscNumber, std::move(text));
}

void TTSCLexer::TakeChar(std::string& text) {
    text += current;
    if (koniecS()) ErrorAtPos("Unexpected end of file");
    NextChar();
}

void TTSCLexer::NewToken(int kind, std::string text) {
    TTSCToken token;
    token.kind = pendingKind != 0 ? pendingKind : kind;
    pendingKind = 0;
    token.text = std::move(text);
    token.line = tokenLine_;
    token.column = tokenColumn_;
    tokens.push_back(std::move(token));
}
