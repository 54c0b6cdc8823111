#pragma once
// Splits one source file into tokens with their physical line and column.
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"

namespace hlsl {

enum class TokKind : uint8_t {
    End,
    Ident,
    IntLit,
    FloatLit,
    String,
    Punct,
    Invalid,   // a character that starts no token; reported where it is parsed
    MacroEnd,  // preprocessor-internal: marks where a macro's expansion ends
};

struct Token {
    TokKind kind = TokKind::End;
    bool bol = false;       // first token on its line
    bool space = false;     // white space before it
    bool noExpand = false;  // a macro name met inside its own expansion
    Loc loc;
    std::string text;       // spelling; string literals without quotes

    bool Is(std::string_view p) const { return kind == TokKind::Punct && text == p; }
    bool IsIdent(std::string_view s) const { return kind == TokKind::Ident && text == s; }
};

// Lexes `source` (file index `file` for locations). Bad characters and
// unterminated comments or strings are reported; lexing always finishes.
std::vector<Token> Lex(std::string_view source, uint32_t file, Diagnostics& diag);

}  // namespace hlsl
