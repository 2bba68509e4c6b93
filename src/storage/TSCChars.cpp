// Character classes of the TSC text format. Only ASCII counts: any other byte is no letter or digit,
// whatever the locale says.
#include "storage/TSCChars.h"

bool IsCharNumeric(char c) {
    return c >= '0' && c <= '9';
}
bool IsCharWhitespace(char c) {
    return c == ' ' || c == '\t';
}
bool IsCharAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsCharIdent(char c) {
    return IsCharNumeric(c) || IsCharAlpha(c) || c == '_';
}

bool IsCharNumeric(const std::string& s) {
    return s.size() == 1 && IsCharNumeric(s[0]);
}
bool IsCharWhitespace(const std::string& s) {
    return s.size() == 1 && IsCharWhitespace(s[0]);
}
bool IsCharIdent(const std::string& s) {
    return s.size() == 1 && IsCharIdent(s[0]);
}
bool IsCharAlpha(const std::string& s) {
    return s.size() == 1 && IsCharAlpha(s[0]);
}

bool IsCharNumberPart(char c) {
    return IsCharNumeric(c) || c == '.' || c == '-';
}
bool IsCharBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsStringNumber(const std::string& s) {
    if (s.empty()) return false;
    int points = 0;
    for (char c : s) {
        if (!IsCharNumberPart(c)) return false;
        if (c == '.' && ++points > 1) return false;
    }
    return true;
}

bool IsStringIdent(const std::string& s) {
    if (s.empty() || IsCharNumeric(s[0])) return false;
    for (char c : s)
        if (!IsCharIdent(c)) return false;
    return true;
}

namespace {
char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

std::string LowerText(const std::string& s) {
    std::string out = s;
    for (char& c : out) c = lower(c);
    return out;
}

bool SameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}
