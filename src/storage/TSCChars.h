// Character classes of the TSC text format and the case-insensitive comparison of names and paths.
#pragma once

#include <string>

// A digit "0" to "9".
bool IsCharNumeric(char c);
// A space or a tab.
bool IsCharWhitespace(char c);
// A digit, a letter or "_".
bool IsCharIdent(char c);
// A letter "a" to "z" or "A" to "Z".
bool IsCharAlpha(char c);
// The same tests on a one-character string (false for any other length).
bool IsCharNumeric(const std::string& s);
bool IsCharWhitespace(const std::string& s);
bool IsCharIdent(const std::string& s);
bool IsCharAlpha(const std::string& s);

// A character that may appear in a number: a digit, "." or "-".
bool IsCharNumberPart(char c);
// What the lexer skips between tokens: a space, a tab, a carriage return or a line feed.
bool IsCharBlank(char c);

// Non-empty, number characters only, at most one ".".
bool IsStringNumber(const std::string& s);
// Non-empty, identifier characters only, not starting with a digit.
bool IsStringIdent(const std::string& s);

std::string LowerText(const std::string& s);
bool SameText(const std::string& a, const std::string& b);
