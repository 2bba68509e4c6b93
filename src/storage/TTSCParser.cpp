// The TSC parser: statements are groups, keys and "#define" directives.
#include "storage/TTSCParser.h"

#include "storage/TSCChars.h"
#include "storage/TSCError.h"

std::string TTSCParser::PeekPath() const {
    return pathStack.empty() ? std::string() : pathStack.back();
}

void TTSCParser::PushPath(const std::string& path) {
    if (static_cast<int>(pathStack.size()) >= tsc::maxGroupDepth)
        ErrorAtPos("Groups nested deeper than " + std::to_string(tsc::maxGroupDepth));
    pathStack.push_back(path);
}

void TTSCParser::PopPath() {
    if (!pathStack.empty()) pathStack.pop_back();
}

void TTSCParser::ErrorAtPos(const std::string& message) const {
    ErrorAt(token, message);
}

void TTSCParser::ErrorAt(const TTSCToken& at, const std::string& message) const {
    throw TSCError("ERROR: " + message + " at line " + std::to_string(at.line) + ", character " +
                   std::to_string(at.column));
}

void TTSCParser::Parse(std::vector<TTSCToken> tokens) {
    keys.clear();
    groups.clear();
    defines.clear();
    pathStack.clear();
    tokenArray = std::move(tokens);
    tokenIndex = 0;
    token = TTSCToken();
    while (!EOTS()) ParseStatement();
}

void TTSCParser::ParseStatement() {
    NextToken();
    if (token.kind == tscIdent) {
        ParseIdent();
    } else if (token.kind == tscDirective) {
        ParseDirective();
    } else {
        ErrorAtPos("Unexpected " + TokenIDToMnemonic(token.kind));
    }
}

void TTSCParser::ParseIdent() {
    const TTSCToken* next = LookAheadToken();
    if (!next) ErrorAtPos("Unexpected end of file after " + TokenIDToMnemonic(token.kind));
    if (next->kind == tscOpenGroup) {
        ParseGroup();
    } else if (next->kind == tscAssign) {
        ParseKey();
    } else {
        ErrorAt(*next, "Unexpected " + TokenIDToMnemonic(next->kind));
    }
}

void TTSCParser::ParseGroup() {
    const std::string name = token.text;
    ReadToken(tscOpenGroup);
    auto group = std::make_shared<TTSCGroup>();
    group->path = PeekPath();
    group->name = name;
    groups.push_back(group);
    PushPath(group->fullPath());
    for (;;) {
        const TTSCToken* next = LookAheadToken();
        if (!next) ErrorAtPos("Unexpected end of file in group " + group->fullPath() + ", expecting \"}\"");
        if (next->kind == tscCloseGroup) break;
        ParseStatement();
    }
    PopPath();
    ReadToken(tscCloseGroup);
}

void TTSCParser::ParseKey() {
    auto key = std::make_shared<TTSCKey>();
    key->name = token.text;
    key->path = PeekPath();
    ReadToken(tscAssign);
    for (;;) {
        NextToken();
        if (key->count() >= tsc::maxValues)
            ErrorAtPos("More than " + std::to_string(tsc::maxValues) + " values in key " + key->name);
        if (token.kind == tscNumber) {
            key->values.push_back(token.text);
            key->types.push_back(tscNumberValue);
        } else if (token.kind == tscString) {
            key->values.push_back(token.text);
            key->types.push_back(tscStringValue);
        } else {
            const TTSCDefine* define = nullptr;
            if (token.kind == tscIdent) {
                for (auto it = defines.rbegin(); it != defines.rend() && !define; ++it)
                    if (SameText(it->name, token.text)) define = &*it;
            }
            if (!define) ErrorAtPos("Unexpected token " + TokenIDToMnemonic(token.kind));
            key->values.push_back(define->value);
            key->types.push_back(tscPlainValue);
        }
        const TTSCToken* next = LookAheadToken();
        if (!next || next->kind != tscComma) break;
        NextToken();
    }
    keys.push_back(key);
}

void TTSCParser::ParseDirective() {
    NextToken();
    if (token.kind != tscDefine) ErrorAtPos("Unknown directive \"" + TokenIDToMnemonic(token.kind) + "\"");
    ParseDefine();
}

void TTSCParser::ParseDefine() {
    TTSCDefine define;
    ReadToken(tscIdent);
    define.name = token.text;
    NextToken();
    if (token.kind != tscString && token.kind != tscNumber && token.kind != tscIdent)
        ErrorAtPos("Unexpected token " + TokenIDToMnemonic(token.kind));
    define.value = token.text;
    defines.push_back(std::move(define));
}

const TTSCToken& TTSCParser::NextToken() {
    if (EOTS()) ErrorAtPos("Unexpected end of file after " + TokenIDToMnemonic(token.kind));
    token = tokenArray[tokenIndex++];
    return token;
}

const TTSCToken* TTSCParser::LookAheadToken() const {
    return EOTS() ? nullptr : &tokenArray[tokenIndex];
}

void TTSCParser::ReadToken(int kind) {
    NextToken();
    if (token.kind != kind)
        throw TSCError("ERROR: Expecting token \"" + TokenIDToMnemonic(kind) + "\" at line " +
                       std::to_string(token.line) + ", position " + std::to_string(token.column));
}
