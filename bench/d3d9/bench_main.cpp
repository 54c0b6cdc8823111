// Prints the time of the elimination's passes through the Direct3D 9
// stand-in and on bare GL with the same GLSL, and their ratio.
//   d3d9_bench [n ...] [--pivots P] [--reps R]
// Defaults: n = 500 and 1000, every pivot, 2 alternating runs per side; the
// shortest run of each side counts, so that a busy machine disturbs less.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <time.h>

#include "bench_paths.h"

namespace bench {

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

}  // namespace bench

namespace {

bench::Matrix RandomMatrix(int n) {
    bench::Matrix m;
    m.height = n;
    m.width = n + 1;
    m.values.resize(static_cast<size_t>(m.width) * m.height);
    std::mt19937 random(12345);
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    for (int y = 0; y < m.height; ++y)
        for (int x = 0; x < m.width; ++x)
            m.values[y * m.width + x] = value(random) + (x == y ? static_cast<float>(n) : 0.0f);
    return m;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    int pivotLimit = -1;
    int reps = 2;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pivots") == 0 && i + 1 < argc)
            pivotLimit = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--reps") == 0 && i + 1 < argc)
            reps = std::max(1, std::atoi(argv[++i]));
        else
            sizes.push_back(std::atoi(argv[i]));
    }
    if (sizes.empty()) sizes = {500, 1000};

    bool allWithinTarget = true;
    for (int n : sizes) {
        if (n < 2) continue;
        const bench::Matrix m = RandomMatrix(n);
        const int pivots = pivotLimit > 0 && pivotLimit < n - 1 ? pivotLimit : n - 1;
        bench::Result layer, bare;
        double layerBest = 0, bareBest = 0, layerCpu = 0, bareCpu = 0;
        for (int r = 0; r < reps; ++r) {
            if (!bench::RunThroughLayer(m, pivots, layer) || !bench::RunOnBareGl(m, pivots, bare)) {
                std::fprintf(stderr, "no GL device: %s\n", layer.error.c_str());
                return 1;
            }
            layerBest = r == 0 ? layer.seconds : std::min(layerBest, layer.seconds);
            bareBest = r == 0 ? bare.seconds : std::min(bareBest, bare.seconds);
            layerCpu = r == 0 ? layer.cpuSeconds : std::min(layerCpu, layer.cpuSeconds);
            bareCpu = r == 0 ? bare.cpuSeconds : std::min(bareCpu, bare.cpuSeconds);
        }
        const double ratio = layerBest / bareBest;
        const double cpuRatio = layerCpu / bareCpu;
        const bool same = layer.lastRow == bare.lastRow;
        std::printf("n=%d pivots=%d  layer %.3f s  bare GL %.3f s  ratio %.3f  "
                    "(processor time: layer %.3f s  bare GL %.3f s  ratio %.3f)  results %s  (%s)\n",
                    n, pivots, layerBest, bareBest, ratio, layerCpu, bareCpu, cpuRatio,
                    same ? "equal" : "DIFFER", layer.renderer.c_str());
        allWithinTarget = allWithinTarget && ratio <= 1.10 && same;
    }
    std::printf("target ratio <= 1.10: %s\n", allWithinTarget ? "met" : "NOT met");
    std::printf("(wall-clock ratios swing on a busy machine; the processor-time ratio shows the work)\n");
    return 0;
}
