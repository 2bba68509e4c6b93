// Numbers in TSC files: written in the C form "%#.9g" (3 is "3.00000000", 0.5 is "0.500000000"),
// read back the same on every locale.
#pragma once

#include <string>

// The "%#.9g" text of `value`. A NaN is written as 0 and an infinity as the largest float of its
// sign, so that every written number reads back as a number.
std::string FormatTSCNumber(float value);

// The value of the number at the start of `text`; text that does not start with a number gives 0.
// Values beyond the float range give the largest float of their sign.
float ParseTSCNumber(const std::string& text);

// True when `text` reads back as exactly one number token: an optional leading "-", digits with
// at most one ".", and after at least one digit an optional exponent ("e", a sign, digits).
bool IsTSCNumberText(const std::string& text);
