// libFuzzer target: the whole effect compile (preprocessor, lexer, parser,
// checker, GLSL writer) on arbitrary input. Built by run.sh, not by CMake.
// Any crash, sanitizer report, hang or runaway memory is a finding; so is
// an effect returned together with an error, or an error without effect
// missing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "hlsl/effect.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string source(reinterpret_cast<const char*>(data), size);
    // Includes never touch the disk: "self.fxh" is the input itself (to
    // reach include cycles), "a.fxh" a small fixed file, the rest missing.
    const hlsl::FileReader reader = [&source](const std::string& path, std::string& contents) {
        const auto endsWith = [&path](const std::string& tail) {
            return path.size() >= tail.size() && path.compare(path.size() - tail.size(), tail.size(), tail) == 0;
        };
        if (endsWith("self.fxh")) {
            contents = source;
            return true;
        }
        if (endsWith("a.fxh")) {
            contents = "#define INC(x) ((x) + 1)\nfloat incValue = INC(2);\n";
            return true;
        }
        return false;
    };
    const hlsl::CompileResult result = hlsl::CompileEffect(source, "fuzz.fx", reader);
    bool error = false;
    for (const hlsl::Diagnostic& d : result.diagnostics)
        error = error || d.severity == hlsl::Severity::Error;
    if (error == result.effect.has_value())
        __builtin_trap();
    const std::string text = hlsl::FormatDiagnostics(result.diagnostics);
    if (text.size() > 64 * 1024 * 1024)
        __builtin_trap();
    return 0;
}
