#pragma once
// Source positions and the diagnostic sink shared by every phase.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "hlsl/effect.h"

namespace hlsl {

// Diagnostic codes. The X3xxx ones keep the meaning effect authors know.
namespace code {
inline constexpr const char* Syntax = "X3000";
inline constexpr const char* Redefinition = "X3003";
inline constexpr const char* NotLiteral = "X3011";
inline constexpr const char* Undeclared = "X3004";
inline constexpr const char* NoMatchingFunction = "X3013";
inline constexpr const char* ConstructorArity = "X3014";
inline constexpr const char* CannotConvert = "X3017";
inline constexpr const char* InvalidSubscript = "X3018";
inline constexpr const char* ConstLValue = "X3025";
inline constexpr const char* AmbiguousCall = "X3067";
inline constexpr const char* MissingReturn = "X3080";
inline constexpr const char* Recursion = "X3500";
inline constexpr const char* EntryNotFound = "X3501";
inline constexpr const char* MissingInputSemantic = "X3502";
inline constexpr const char* MissingOutputSemantic = "X3503";
inline constexpr const char* NotSupported = "X3539";
inline constexpr const char* ArrayBounds = "X3504";
inline constexpr const char* InvalidInputSemantic = "X4502";
inline constexpr const char* Truncation = "X3206";  // warning
// Preprocessor
inline constexpr const char* PreprocessorSyntax = "X1000";
inline constexpr const char* UserError = "X1003";      // #error
inline constexpr const char* IncludeNotFound = "X1507";
inline constexpr const char* LimitExceeded = "X1010";  // nesting or size limits
}  // namespace code

// A position: index into SourceFiles::names, 1-based line and column.
struct Loc {
    uint32_t file = 0;
    int line = 0;
    int column = 0;
};

class Diagnostics {
public:
    // The names that Loc::file indexes (file names, and names set by #line).
    uint32_t AddName(const std::string& name);
    const std::string& Name(uint32_t index) const { return names_[index]; }

    void Error(Loc at, const char* code, std::string text);
    void Warning(Loc at, const char* code, std::string text);

    int ErrorCount() const { return errors_; }
    // Past this many errors, or this many warnings, the rest of that kind
    // are dropped and one note says so, so that no input makes the list grow
    // without bound. Full() tells the phases that further errors are lost.
    bool Full() const { return storedErrors_ >= kMaxDiagnostics; }
    std::vector<Diagnostic> Take() { return std::move(list_); }

    static constexpr size_t kMaxDiagnostics = 100;

private:
    void Add(Loc at, Severity s, const char* code, std::string text);
    std::vector<std::string> names_;
    std::unordered_map<std::string, uint32_t> index_;
    std::vector<Diagnostic> list_;
    int errors_ = 0;
    size_t storedErrors_ = 0;
    size_t storedWarnings_ = 0;
    bool errorsTruncated_ = false;
    bool warningsTruncated_ = false;
};

}  // namespace hlsl
