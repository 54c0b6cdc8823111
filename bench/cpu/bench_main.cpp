// Figures of the CPU back-end: CPUgpgpu::InputData and CPUgpgpu::Compute in
// both precisions (with --all-paths also every vector path of the kernel),
// each against its plain counterpart run on the same data in the same
// process, with a bit-identity check.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cpu/cpu_gpgpu.h"
#include "cpu/elimination.h"

void PlainEliminate(float* data, int width, int height);
void PlainEliminate(double* data, int width, int height);

namespace {

double Seconds(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

// An input file as the program generates it.
void WriteInput(const std::string& path, int height) {
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (!f) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::srand(12345u + static_cast<unsigned>(height));
    std::fprintf(f, "%d %d\n", height + 1, height);
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c <= height; ++c) std::fprintf(f, "%d ", std::rand() % 32768 * 1000 / 32767 + 1);
        std::fprintf(f, "\n");
    }
    std::fclose(f);
}

// The plain loading loop: each value scanned with "%f " and stored in the
// pristine and the working array, "\n" after each row.
std::vector<float> LoadPlain(const std::string& path, int& width, int& height) {
    std::FILE* f = std::fopen(path.c_str(), "r");
    if (std::fscanf(f, "%d %d\n", &width, &height) != 2) std::exit(1);
    const std::size_t count = static_cast<std::size_t>(width) * height;
    std::vector<float> original(count);
    std::vector<float> m(count);
    float temp = 0.0f;
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const int n = std::fscanf(f, "%f ", &temp);
            (void)n;
            const std::size_t k = static_cast<std::size_t>(r) * width + c;
            original[k] = temp;
            m[k] = original[k];
        }
        const int n = std::fscanf(f, "\n");
        (void)n;
    }
    std::fclose(f);
    return m;
}

template <class F>
double BestOf(int runs, F&& f) {
    double best = 1e30;
    for (int k = 0; k < runs; ++k) {
        const double s = f();
        if (s < best) best = s;
    }
    return best;
}

bool Blocked(float* m, int width, int height, EliminationPath path) {
    std::vector<double> scratch(BlockedScratchElements(width, height));
    return EliminateBlocked(m, width, height, path, scratch.data());
}

bool Blocked(double* m, int width, int height, EliminationPath path) { return EliminateBlocked(m, width, height, path); }

template <class T>
void BenchCompute(const char* label, const std::string& path, int runs, bool allPaths) {
    CPUgpgpu<T> m;
    m.InputData(path.c_str(), false);
    const int width = m.width;
    const int height = m.height;
    const std::vector<T> input(m.dataOrig, m.dataOrig + static_cast<std::size_t>(width) * height);
    std::vector<T> plainResult;
    const double plain = BestOf(runs, [&] {
        plainResult = input;
        const auto t0 = std::chrono::steady_clock::now();
        PlainEliminate(plainResult.data(), width, height);
        return Seconds(t0, std::chrono::steady_clock::now());
    });
    // What the program runs: Compute on the loaded object.
    const double t = BestOf(runs, [&] {
        m.ReloadData();
        const auto t0 = std::chrono::steady_clock::now();
        m.Compute();
        return Seconds(t0, std::chrono::steady_clock::now());
    });
    const bool same = std::memcmp(m.data, plainResult.data(), plainResult.size() * sizeof(T)) == 0;
    std::printf("  Compute %-6s %-8s %8.3f s   plain -march=native %8.3f s   ratio %.2f   %s\n", label,
                EliminationPathName(BestEliminationPath()), t, plain, t / plain,
                same ? "bit-identical" : "DIFFERENT");
    if (!allPaths) return;
    for (int p = 0; p < kEliminationPathCount; ++p) {
        const EliminationPath path = static_cast<EliminationPath>(p);
        if (!EliminationPathSupported(path)) continue;
        std::vector<T> result;
        const double k = BestOf(runs, [&] {
            result = input;
            const auto t0 = std::chrono::steady_clock::now();
            if (!Blocked(result.data(), width, height, path)) std::exit(2);
            return Seconds(t0, std::chrono::steady_clock::now());
        });
        const bool pathSame = std::memcmp(result.data(), plainResult.data(), result.size() * sizeof(T)) == 0;
        std::printf("    kernel %-6s %-8s %8.3f s   ratio %.2f   %s\n", label, EliminationPathName(path), k,
                    k / plain, pathSame ? "bit-identical" : "DIFFERENT");
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string dir = argc > 1 ? argv[1] : ".";
    bool allPaths = false;
    std::vector<int> sizes;
    for (int k = 2; k < argc; ++k) {
        if (std::strcmp(argv[k], "--all-paths") == 0)
            allPaths = true;
        else
            sizes.push_back(std::atoi(argv[k]));
    }
    if (sizes.empty()) sizes = {500, 1000, 2000};
    for (int n : sizes) {
        const std::string path = dir + "/bench_input_" + std::to_string(n) + ".txt";
        WriteInput(path, n);
        const int runs = n <= 500 ? 5 : n <= 1000 ? 3 : 2;
        std::printf("n = %d (%d columns)\n", n, n + 1);

        int width = 0;
        int height = 0;
        std::vector<float> plainLoaded;
        std::vector<float> fastLoaded;
        const double plainLoad = BestOf(runs, [&] {
            const auto t0 = std::chrono::steady_clock::now();
            plainLoaded = LoadPlain(path, width, height);
            return Seconds(t0, std::chrono::steady_clock::now());
        });
        const double fastLoad = BestOf(runs, [&] {
            const auto t0 = std::chrono::steady_clock::now();
            CPUgpgpu<float> m;
            m.InputData(path.c_str(), false);
            const double s = Seconds(t0, std::chrono::steady_clock::now());
            fastLoaded.assign(m.data, m.data + static_cast<std::size_t>(m.width) * m.height);
            return s;
        });
        const bool sameLoad = plainLoaded.size() == fastLoaded.size() &&
                              std::memcmp(plainLoaded.data(), fastLoaded.data(), plainLoaded.size() * 4) == 0;
        std::printf("  InputData        %8.3f s   plain fscanf loop   %8.3f s   ratio %.2f   %s\n", fastLoad,
                    plainLoad, fastLoad / plainLoad, sameLoad ? "bit-identical" : "DIFFERENT");

        BenchCompute<float>("float", path, runs, allPaths);
        BenchCompute<double>("double", path, runs, allPaths);
        std::remove(path.c_str());
    }
    return 0;
}
