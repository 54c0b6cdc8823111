#pragma once
// Recursive-descent parser: preprocessed tokens to the syntax tree.
#include <vector>

#include "ast.h"
#include "diagnostics.h"
#include "lexer.h"

namespace hlsl {

inline constexpr int kMaxParseDepth = 200;

// Parses `tokens` (ended by a TokKind::End token) into `module`. Syntax
// errors are reported and parsing resumes at the next declaration or
// statement; returns false when any was found.
bool Parse(const std::vector<Token>& tokens, Module& module, Diagnostics& diag);

// Recognises a built-in type name ("float3", "half", "sampler2D", ...).
bool BuiltinType(const std::string& name, Type& type);

}  // namespace hlsl
