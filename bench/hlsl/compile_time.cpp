// Times CompileEffect (preprocessing to GLSL) on one effect file.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "hlsl/effect.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: compile_time FILE.fx [RUNS]\n");
        return 1;
    }
    std::string path = argv[1];
    int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;
    std::string source;
    if (!hlsl::ReadFileFromDisk(path, source)) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        auto t0 = std::chrono::steady_clock::now();
        hlsl::CompileResult r = hlsl::CompileEffect(source, path);
        auto t1 = std::chrono::steady_clock::now();
        if (!r.effect) {
            std::fprintf(stderr, "%s", hlsl::FormatDiagnostics(r.diagnostics).c_str());
            return 1;
        }
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    double first = ms[0];
    std::sort(ms.begin(), ms.end());
    std::printf("compile %s (GLSL included), %d runs: first %.3f ms, median %.3f ms, p95 %.3f ms, max %.3f ms "
                "(target < 5 ms)\n",
                path.c_str(), runs, first, ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back());
    return 0;
}
