// One token of a TSC file: its kind, its text and where it was read.
#pragma once

#include <string>

enum TSCTokenKind : int {
    tscOpenGroup = 1, // {
    tscCloseGroup,    // }
    tscDirective,     // #
    tscSemicolon,     // ;
    tscComma,         // ,
    tscAssign,        // =
    tscString,
    tscNumber,
    tscIdent,
    tscDefine, // the word define, in any letter case
};

struct TTSCToken {
    int kind = 0;
    // For a string, its contents without quotes and with escapes resolved.
    std::string text;
    int line = 0;
    int column = 0;
};

// The name error messages give a token kind: "{", "String", "Ident" ...; "Unknown" for any other
// number.
std::string TokenIDToMnemonic(int kind);
