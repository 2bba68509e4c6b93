// Builds the keys, groups and defines of a TSC file from its tokens.
#pragma once

#include "storage/TSCRecords.h"
#include "storage/TTSCToken.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class TTSCParser {
  public:
    std::vector<std::shared_ptr<TTSCKey>> keys;
    std::vector<std::shared_ptr<TTSCGroup>> groups;
    std::vector<TTSCDefine> defines;
    std::vector<TTSCToken> tokenArray;
    size_t tokenIndex = 0; // the next token to take
    TTSCToken token;       // the token taken last
    std::vector<std::string> pathStack;

    // The innermost group path, "" at the top level.
    std::string PeekPath() const;
    void PushPath(const std::string& path);
    void PopPath();
    // Raises "ERROR: message at line L, character C" at the token taken last.
    [[noreturn]] void ErrorAtPos(const std::string& message) const;

    void Parse(std::vector<TTSCToken> tokens);
    void ParseStatement();
    void ParseDirective();
    void ParseDefine();
    void ParseIdent();
    void ParseGroup();
    void ParseKey();

    // Takes the next token; running out of tokens mid-statement is an error.
    const TTSCToken& NextToken();
    // The next token without taking it; null at the end.
    const TTSCToken* LookAheadToken() const;
    // Takes the next token and fails unless it is of `kind`.
    void ReadToken(int kind);
    // True when every token has been taken.
    bool EOTS() const { return tokenIndex >= tokenArray.size(); }

  private:
    [[noreturn]] void ErrorAt(const TTSCToken& at, const std::string& message) const;
};
