// Figures of the CPU back-end: loading an input matrix file and the
// elimination in both precisions, each against its plain counterpart run
// on the same data in the same process, with a bit-identity check.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cpu/elimination.h"
#include "cpu/matrix_loader.h"

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

std::vector<float> LoadPlain(const std::string& path, int& width, int& height) {
    std::FILE* f = std::fopen(path.c_str(), "r");
    if (std::fscanf(f, "%d %d\n", &width, &height) != 2) std::exit(1);
    std::vector<float> m(static_cast<std::size_t>(width) * height);
    float temp = 0.0f;
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const int n = std::fscanf(f, "%f ", &temp);
            (void)n;
            m[static_cast<std::size_t>(r) * width + c] = temp;
        }
        const int n = std::fscanf(f, "\n");
        (void)n;
    }
    std::fclose(f);
    return m;
}

std::vector<float> LoadFast(const std::string& path, int& width, int& height) {
    std::FILE* f = std::fopen(path.c_str(), "r");
    if (std::fscanf(f, "%d %d\n", &width, &height) != 2) std::exit(1);
    std::vector<float> m(static_cast<std::size_t>(width) * height);
    float temp = 0.0f;
    ScanMatrixValues(f, m.data(), m.size(), temp);
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

template <class T>
void BenchCompute(const char* label, const std::vector<float>& loaded, int width, int height, int runs,
                  bool allPaths) {
    std::vector<T> input(loaded.begin(), loaded.end());
    std::vector<T> plainResult;
    const double plain = BestOf(runs, [&] {
        plainResult = input;
        const auto t0 = std::chrono::steady_clock::now();
        PlainEliminate(plainResult.data(), width, height);
        return Seconds(t0, std::chrono::steady_clock::now());
    });
    for (int p = 0; p < kEliminationPathCount; ++p) {
        const EliminationPath path = static_cast<EliminationPath>(p);
        if (!EliminationPathSupported(path)) continue;
        const bool best = path == BestEliminationPath();
        if (!best && !allPaths) continue;
        std::vector<T> result;
        const double t = BestOf(runs, [&] {
            result = input;
            const auto t0 = std::chrono::steady_clock::now();
            if (!EliminateBlocked(result.data(), width, height, path)) std::exit(2);
            return Seconds(t0, std::chrono::steady_clock::now());
        });
        const bool same = std::memcmp(result.data(), plainResult.data(), result.size() * sizeof(T)) == 0;
        std::printf("  compute %-6s %-8s %8.3f s   plain -march=native %8.3f s   ratio %.2f   %s%s\n", label,
                    EliminationPathName(path), t, plain, t / plain, same ? "bit-identical" : "DIFFERENT",
                    best ? "  (selected)" : "");
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
            fastLoaded = LoadFast(path, width, height);
            return Seconds(t0, std::chrono::steady_clock::now());
        });
        const bool sameLoad = plainLoaded.size() == fastLoaded.size() &&
                              std::memcmp(plainLoaded.data(), fastLoaded.data(), plainLoaded.size() * 4) == 0;
        std::printf("  load             %8.3f s   plain fscanf loop   %8.3f s   ratio %.2f   %s\n", fastLoad,
                    plainLoad, fastLoad / plainLoad, sameLoad ? "bit-identical" : "DIFFERENT");

        BenchCompute<float>("float", fastLoaded, width, height, runs, allPaths);
        BenchCompute<double>("double", fastLoaded, width, height, runs, allPaths);
        std::remove(path.c_str());
    }
    return 0;
}
