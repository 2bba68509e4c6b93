// Token kinds and their mnemonics.
#include "storage/TTSCToken.h"

std::string TokenIDToMnemonic(int kind) {
    switch (kind) {
    case tscOpenGroup:
        return "{";
    case tscCloseGroup:
        return "}";
    case tscDirective:
        return "#";
    case tscSemicolon:
        return ";";
    case tscComma:
        return ",";
    case tscAssign:
        return "=";
    case tscString:
        return "String";
    case tscNumber:
        return "Number";
    case tscIdent:
        return "Ident";
    case tscDefine:
        return "Define";
    default:
        return "Unknown";
    }
}
