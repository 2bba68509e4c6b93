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
        switch (c) {
        case '#':
            NewToken(tscDirective, "#");
            NextChar();
            continue;
        case '{':
            NewToken(tscOpenGroup, "{");
            NextChar();
            continue;
        case '}':
            NewToken(tscCloseGroup, "}");
            NextChar();
            continue;
        case ';':
            NewToken(tscSemicolon, ";");
            NextChar();
            continue;
        case ',':
            NewToken(tscComma, ",");
            NextChar();
            continue;
        case '=':
            NewToken(tscAssign, "=");
            NextChar();
            continue;
        case '"':
        case '\'':
            LexString(c);
            continue;
        case '/':
            LexComment();
            continue;
        default:
            break;
        }
        if (IsCharNumberPart(c)) {
            LexNumber();
        } else if (IsCharIdent(c)) {
            LexIdent();
        } else {
            ErrorChar();
        }
    }
}

void TTSCLexer::ErrorChar() const {
    throw TSCError("ERROR: Unknown character ('" + std::string(1, current) + "') at line " +
                   std::to_string(line) + ", character " + std::to_string(column));
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
    while (hasCurrent_ && IsCharIdent(current)) {
        text += current;
        if (koniecS()) ErrorAtPos("Unexpected end of file");
        NextChar();
    }
    if (SameText(text, "define")) pendingKind = tscDefine;
    NewToken(tscIdent, std::move(text));
}

void TTSCLexer::LexNumber() {
    std::string text;
    bool point = false;
    bool digits = false;
    auto take = [&] {
        text += current;
        if (koniecS()) ErrorAtPos("Unexpected end of file");
        NextChar();
    };
    while (hasCurrent_ && IsCharNumberPart(current)) {
        if (current == '.') {
            if (point) ErrorAtPos("Multiple radix points found in floating point value");
            point = true;
        } else if (current == '-') {
            if (!text.empty()) ErrorAtPos("Unary minus must come at the start of a number");
        } else {
            digits = true;
        }
        take();
    }
    // An exponent, as large and small numbers are written ("1.00000000e+10").
    if (hasCurrent_ && digits && (current == 'e' || current == 'E')) {
        size_t next = position;
        if (next < length && (source[next] == '+' || source[next] == '-')) ++next;
        if (next < length && IsCharNumeric(source[next])) {
            take();
            if (current == '+' || current == '-') take();
            while (hasCurrent_ && IsCharNumeric(current)) take();
            if (hasCurrent_ && (IsCharNumberPart(current) || IsCharIdent(current)))
                ErrorAtPos("Malformed exponent in number");
        }
    }
    if (hasCurrent_ && IsCharIdent(current)) ErrorAtPos("Idents cannot start with a number");
    NewToken(tscNumber, std::move(text));
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
