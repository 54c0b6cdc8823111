// Runs one effect test case: compiles the effect, checks its diagnostics
// against the case's "//!" list and draws each run, comparing the pixels.
//   hlsl_case FILE.fx          a case (format in ../README.md)
//   hlsl_case --survive FILE   any input: the compiler must return, with an
//                              effect exactly when it reported no error
//   hlsl_case --survive-generated NAME   the same for a large input built
//                              here (generated_inputs.cpp)
//   hlsl_case --write-generated NAME FILE   writes that input to FILE
// Exit status 0 when the case passes, 1 otherwise. No usable GL fails.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "case_file.h"
#include "gl_context.h"
#include "gl_draw.h"
#include "generated_inputs.h"
#include "hlsl/effect.h"

namespace {

using hlsltest::Case;
using hlsltest::ExpectedDiagnostic;
using hlsltest::Run;

// Distance in representable floats; +0 and -0 are the same value.
int64_t UlpDistance(float a, float b)
{
    auto key = [](float f) {
        int32_t bits = 0;
        std::memcpy(&bits, &f, sizeof bits);
        return bits < 0 ? -int64_t(bits & 0x7fffffff) : int64_t(bits);
    };
    const int64_t d = key(a) - key(b);
    return d < 0 ? -d : d;
}

bool Matches(float got, float want, int ulps)
{
    if (std::isnan(want))
        return std::isnan(got);
    if (std::isnan(got))
        return false;
    return UlpDistance(got, want) <= ulps;
}

std::string Num(float f)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.9g", f);
    return buffer;
}


bool Same(const ExpectedDiagnostic& want, const std::string& caseFile, const hlsl::Diagnostic& got)
{
    return want.error == (got.severity == hlsl::Severity::Error) && (want.code == "*" || want.code == got.code)
           && (want.file.empty() ? caseFile : want.file) == got.file
           && (want.line == hlsltest::kAnyLine || want.line == got.line)
           && (want.column == hlsltest::kAnyColumn || want.column == got.column);
}

// Compares the reported diagnostics with the listed ones, each listed one
// matching one reported one.
bool CheckDiagnostics(const Case& c, const std::string& caseFile, const std::vector<hlsl::Diagnostic>& got)
{
    std::vector<ExpectedDiagnostic> want = c.diagnostics;
    bool ok = true;
    for (const hlsl::Diagnostic& d : got) {
        bool found = false;
        for (size_t i = 0; i < want.size() && !found; ++i)
            if (Same(want[i], caseFile, d)) {
                want.erase(want.begin() + long(i));
                found = true;
            }
        if (found || (d.severity == hlsl::Severity::Error && c.otherErrors))
            continue;
        std::cout << "FAIL: unexpected diagnostic: " << hlsl::FormatDiagnostic(d) << "\n";
        ok = false;
    }
    for (const ExpectedDiagnostic& d : want) {
        std::cout << "FAIL: missing diagnostic: " << (d.file.empty() ? caseFile : d.file) << "("
                  << (d.line == hlsltest::kAnyLine ? std::string("*") : std::to_string(d.line)) << ","
                  << (d.column == hlsltest::kAnyColumn ? std::string("*") : std::to_string(d.column))
                  << "): " << (d.error ? "error " : "warning ") << d.code << "\n";
        ok = false;
    }
    return ok;
}

bool ComparePixels(const Run& run, const std::vector<float>& pixels)
{
    const int channels = run.expectRgba ? 4 : 1;
    static const char* names[4] = {"r", "g", "b", "a"};
    int failures = 0;
    for (int y = 0; y < run.height; ++y)
        for (int x = 0; x < run.width; ++x)
            for (int ch = 0; ch < channels; ++ch) {
                const size_t i = (size_t(y) * run.width + x) * channels + ch;
                const float got = pixels[(size_t(y) * run.width + x) * 4 + ch];
                if (run.dontCare[i] || Matches(got, run.expected[i], run.ulps))
                    continue;
                if (++failures <= 20)
                    std::cout << "FAIL: run at line " << run.line << " (" << run.technique << "): texel (" << x
                              << "," << y << ")." << names[ch] << " = " << Num(got) << ", expected "
                              << Num(run.expected[i]) << (run.ulps ? " within " + std::to_string(run.ulps) + " ulps" : "")
                              << "\n";
            }
    if (failures > 20)
        std::cout << "FAIL: ... " << failures << " mismatches in all\n";
    return failures == 0;
}

void PrintGlsl(const hlsl::Effect& effect, const Run& run)
{
    for (const auto& t : effect.techniques)
        if (t.name == run.technique)
            for (const auto& p : t.passes)
                std::cout << "--- GLSL of " << t.name << "." << p.name << " ---\n" << p.fragmentGlsl << "\n";
}

bool HasError(const std::vector<hlsl::Diagnostic>& diagnostics)
{
    for (const auto& d : diagnostics)
        if (d.severity == hlsl::Severity::Error)
            return true;
    return false;
}

bool ReadWhole(const std::string& path, std::string& contents)
{
    if (!hlsl::ReadFileFromDisk(path, contents)) {
        std::cout << "FAIL: cannot read " << path << "\n";
        return false;
    }
    return true;
}

// The compiler's promise for any input: it returns, and there is an effect
// exactly when no error was reported.
bool ResultConsistent(const hlsl::CompileResult& result)
{
    if (result.effect.has_value() == HasError(result.diagnostics)) {
        std::cout << "FAIL: effect " << (result.effect ? "present" : "missing") << " although "
                  << (HasError(result.diagnostics) ? "errors were" : "no error was") << " reported\n";
        return false;
    }
    return true;
}

int SurviveSource(const std::string& source, const std::string& file)
{
    const hlsl::CompileResult result = hlsl::CompileEffect(source, file);
    std::cout << hlsl::FormatDiagnostics(result.diagnostics);
    return ResultConsistent(result) ? 0 : 1;
}

int Survive(const std::string& file)
{
    std::string source;
    if (!ReadWhole(file, source))
        return 1;
    return SurviveSource(source, file);
}

int SurviveGenerated(const std::string& name)
{
    std::string source;
    if (!hlsltest::GeneratedInput(name, source)) {
        std::cout << "FAIL: no generated input named " << name << "\n";
        return 1;
    }
    return SurviveSource(source, name);
}

// For looking at a generated input by hand.
int WriteGenerated(const std::string& name, const std::string& file)
{
    std::string source;
    if (!hlsltest::GeneratedInput(name, source)) {
        std::cout << "FAIL: no generated input named " << name << "\n";
        return 1;
    }
    FILE* f = std::fopen(file.c_str(), "wb");
    const bool ok = f && std::fwrite(source.data(), 1, source.size(), f) == source.size();
    if (f && std::fclose(f) != 0)
        return 1;
    return ok ? 0 : 1;
}

int RunCase(const std::string& file)
{
    std::string source;
    if (!ReadWhole(file, source))
        return 1;
    Case c;
    std::string error;
    if (!hlsltest::ParseCase(source, c, error)) {
        std::cout << "FAIL: " << file << ": bad case: " << error << "\n";
        return 1;
    }
    const hlsl::CompileResult result = hlsl::CompileEffect(source, file);
    std::cout << hlsl::FormatDiagnostics(result.diagnostics);
    bool ok = ResultConsistent(result);
    ok = CheckDiagnostics(c, file, result.diagnostics) && ok;

    bool errorsExpected = false;
    for (const auto& d : c.diagnostics)
        errorsExpected = errorsExpected || d.error;
    if (errorsExpected || !result.effect) {
        if (!c.runs.empty() && errorsExpected) {
            std::cout << "FAIL: bad case: runs listed although the effect must not compile\n";
            ok = false;
        }
        return ok ? 0 : 1;
    }
    if (c.runs.empty())
        return ok ? 0 : 1;

    std::string renderer;
    if (!hlsltest::CreateHeadlessContext(renderer, error)) {
        std::cout << "FAIL: no usable EGL/OpenGL 3.3 core context: " << error << "\n";
        return 1;
    }
    std::cout << "GL renderer: " << renderer << "\n";
    for (const Run& run : c.runs) {
        std::vector<float> pixels;
        if (!hlsltest::DrawRun(*result.effect, run, pixels, error)) {
            std::cout << "FAIL: run at line " << run.line << " (" << run.technique << "): " << error << "\n";
            PrintGlsl(*result.effect, run);
            ok = false;
            continue;
        }
        if (run.hasExpect && !ComparePixels(run, pixels)) {
            PrintGlsl(*result.effect, run);
            ok = false;
        }
    }
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--survive") == 0)
        return Survive(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--survive-generated") == 0)
        return SurviveGenerated(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "--write-generated") == 0)
        return WriteGenerated(argv[2], argv[3]);
    if (argc != 2) {
        std::cerr << "usage: hlsl_case FILE.fx | hlsl_case --survive FILE | hlsl_case --survive-generated NAME"
                     " | hlsl_case --write-generated NAME FILE\n";
        return 2;
    }
    const int rc = RunCase(argv[1]);
    std::cout << (rc == 0 ? "PASS\n" : "");
    return rc;
}
