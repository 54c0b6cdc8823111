#pragma once
// The preprocessor: directives, macro expansion and #include, on tokens.
// Every token it returns carries the original file, line and column (of the
// macro invocation for tokens that come out of a macro).
#include <string>
#include <vector>

#include "diagnostics.h"
#include "hlsl/effect.h"
#include "lexer.h"

namespace hlsl {

// Limits that keep any input bounded in time and memory.
inline constexpr int kMaxIncludeDepth = 32;
inline constexpr int kMaxMacroDepth = 64;
inline constexpr size_t kMaxTokens = 1u << 18;  // tokens after preprocessing
inline constexpr size_t kMaxExpansions = 1u << 16;
inline constexpr size_t kMaxSourceBytes = 4u << 20;  // per file

std::vector<Token> Preprocess(std::string_view source, const std::string& fileName,
                              const FileReader& readFile, Diagnostics& diag);

}  // namespace hlsl
