#pragma once
// Recursive-descent parser: preprocessed tokens to the syntax tree.
#include <vector>

#include "ast.h"
#include "diagnostics.h"
#include "lexer.h"

namespace hlsl {

// Levels of real nesting in the source: brackets, unary operators and
// casts, statements inside statements. Each costs the parser and the later
// phases a few stack frames.
inline constexpr int kMaxParseDepth = 1024;
// Height of one expression tree; a long flat chain such as a + b + c ...
// is as high as it is long.
inline constexpr int kMaxExprHeight = 16384;

// Parses `tokens` (ended by a TokKind::End token) into `module`. Syntax
// errors are reported and parsing resumes at the next declaration or
// statement; returns false when any was found.
bool Parse(const std::vector<Token>& tokens, Module& module, Diagnostics& diag);

// Recognises a built-in type name ("float3", "half", "sampler2D", ...).
bool BuiltinType(const std::string& name, Type& type);

}  // namespace hlsl
