// fx2glsl: checks an HLSL effect file and, with -o, writes the GLSL fragment
// shader of every pass as DIR/TECHNIQUE.PASS.frag.
//   exit 0: no error (warnings may have been printed)
//   exit 1: the effect has errors, or the file or an output cannot be written
//   exit 2: usage
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>

#include "hlsl/effect.h"

namespace {

int Usage()
{
    std::cerr << "usage: fx2glsl FILE.fx [-o DIR]\n";
    return 2;
}

// Names come from the effect, so they are identifiers; an unnamed technique
// or pass gets its index instead.
std::string OutputName(const std::string& name, const char* fallback, size_t index)
{
    return name.empty() ? fallback + std::to_string(index) : name;
}

bool WriteShaders(const hlsl::Effect& effect, const std::filesystem::path& dir)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::cerr << "fx2glsl: cannot create " << dir.string() << ": " << ec.message() << "\n";
        return false;
    }
    // Two passes with the same technique and pass names would share a file;
    // refuse rather than keep only the last one.
    std::set<std::string> written;
    for (size_t t = 0; t < effect.techniques.size(); ++t) {
        const hlsl::TechniqueDesc& technique = effect.techniques[t];
        for (size_t p = 0; p < technique.passes.size(); ++p) {
            const hlsl::PassDesc& pass = technique.passes[p];
            const std::string fileName =
                OutputName(technique.name, "technique", t) + "." + OutputName(pass.name, "pass", p) + ".frag";
            if (!written.insert(fileName).second) {
                std::cerr << "fx2glsl: two passes would both be written to " << fileName << "\n";
                return false;
            }
            const std::filesystem::path file = dir / fileName;
            std::ofstream out(file, std::ios::binary);
            out << pass.fragmentGlsl;
            out.close();
            if (!out) {
                std::cerr << "fx2glsl: cannot write " << file.string() << "\n";
                return false;
            }
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string input;
    std::string outputDir;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-o") {
            if (i + 1 >= argc || !outputDir.empty())
                return Usage();
            outputDir = argv[++i];
            if (outputDir.empty())
                return Usage();
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage();
        } else if (input.empty()) {
            input = arg;
        } else {
            return Usage();
        }
    }
    if (input.empty())
        return Usage();

    std::string source;
    if (!hlsl::ReadFileFromDisk(input, source)) {
        std::cerr << "fx2glsl: cannot read " << input << "\n";
        return 1;
    }
    const hlsl::CompileResult result = hlsl::CompileEffect(source, input);
    std::cerr << hlsl::FormatDiagnostics(result.diagnostics);
    for (const hlsl::Diagnostic& d : result.diagnostics)
        if (d.severity == hlsl::Severity::Error)
            return 1;
    if (!result.effect)
        return 1;
    if (!outputDir.empty() && !WriteShaders(*result.effect, outputDir))
        return 1;
    return 0;
}
