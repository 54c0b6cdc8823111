// Chooses the vector unit of the blocked elimination at run time, so that
// one binary runs on every x86-64 processor and uses the widest unit there.
#include <cstddef>

#include "cpu/elimination.h"
#include "cpu/elimination_paths.h"

bool EliminationPathSupported(EliminationPath path) {
    switch (path) {
        case EliminationPath::Baseline: return true;
        case EliminationPath::Avx2: return __builtin_cpu_supports("avx2");
        case EliminationPath::Avx512: return __builtin_cpu_supports("avx512f");
    }
    return false;
}

EliminationPath BestEliminationPath() {
    static const EliminationPath best = [] {
        if (EliminationPathSupported(EliminationPath::Avx512)) return EliminationPath::Avx512;
        if (EliminationPathSupported(EliminationPath::Avx2)) return EliminationPath::Avx2;
        return EliminationPath::Baseline;
    }();
    return best;
}

const char* EliminationPathName(EliminationPath path) {
    switch (path) {
        case EliminationPath::Baseline: return "baseline";
        case EliminationPath::Avx2: return "avx2";
        case EliminationPath::Avx512: return "avx512";
    }
    return "unknown";
}

// One block of pivot rows, never more rows than there are steps.
std::size_t BlockedScratchElements(int width, int height) {
    const int steps = EliminationSteps(width, height);
    const int rows = steps < kBlockPivots ? steps : kBlockPivots;
    return static_cast<std::size_t>(rows) * static_cast<std::size_t>(width > 0 ? width : 0);
}

namespace {

template <class T>
bool RunBlocked(T* data, int width, int height, EliminationPath path, double* scratch) {
    if (!EliminationPathSupported(path)) return false;
    const int steps = EliminationSteps(width, height);
    if (steps == 0) return true;
    if (sizeof(T) == sizeof(float) && !scratch) return false;
    switch (path) {
        case EliminationPath::Baseline: EliminateBlockedBaseline(data, width, height, steps, scratch); break;
        case EliminationPath::Avx2: EliminateBlockedAvx2(data, width, height, steps, scratch); break;
        case EliminationPath::Avx512: EliminateBlockedAvx512(data, width, height, steps, scratch); break;
    }
    return true;
}

}  // namespace

bool EliminateBlocked(float* data, int width, int height, EliminationPath path, double* scratch) {
    return RunBlocked(data, width, height, path, scratch);
}

bool EliminateBlocked(double* data, int width, int height, EliminationPath path) {
    return RunBlocked(data, width, height, path, nullptr);
}
