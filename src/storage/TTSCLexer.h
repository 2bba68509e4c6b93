// Turns the text of a TSC file into tokens.
#pragma once

#include "storage/TTSCToken.h"

#include <cstddef>
#include <string>
#include <vector>

class TTSCLexer {
  public:
    std::vector<TTSCToken> tokens;
    // Where the current character is: `line` from 1, `column` from 1 at the start of every line.
    int line = 1;
    int column = 0;
    char current = 0;
    // When not 0, the next token made takes this kind (the word define).
    int pendingKind = 0;
    std::string source;
    size_t position = 0; // index of the next character to read
    size_t length = 0;

    // Reads the file and lexes it; a file that cannot be read raises TSCError.
    void Lex(const std::string& path);
    // Lexes text already in memory; `tokens` then holds every token in order.
    void LexText(const std::string& text);
    // True when every character has been read.
    bool koniecS() const { return position >= length; }

    [[noreturn]] void ErrorChar() const;
    [[noreturn]] void ErrorAtPos(const std::string& message) const;

  private:
    bool hasCurrent_ = false; // false once the text is used up
    int tokenLine_ = 0;       // where the token being read started
    int tokenColumn_ = 0;

    void NextChar();
    void MarkTokenStart();
    void LexString(char quote);
    void LexIdent();
    void LexNumber();
    void LexComment();
    // Appends the current character to `text` and moves on; a word or number may not end the text.
    void TakeChar(std::string& text);
    void NewToken(int kind, std::string text);
};
