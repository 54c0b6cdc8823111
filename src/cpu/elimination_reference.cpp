// The plain elimination loop: the reference that every faster kernel must
// match bit for bit, and the fallback when those cannot run.
#include "cpu/elimination.h"
#include "cpu/elimination_step.h"

#include <cstddef>

int EliminationSteps(int width, int height) {
    if (height < 2 || width <= 0) return 0;
    return height - 1 < width ? height - 1 : width;
}

namespace {

template <class T>
void EliminatePlain(T* data, int width, int height, T* factor) {
    const int steps = EliminationSteps(width, height);
    const std::size_t w = static_cast<std::size_t>(width);
    for (int i = 0; i < steps; ++i) {
        const T* pivotRow = data + static_cast<std::size_t>(i) * w;
        const double pivot = static_cast<double>(pivotRow[i]);
        // All factors first: the updates below use the matrix as it stood
        // at the start of this step.
        for (int r = 0; r < height; ++r)
            factor[r] = static_cast<T>(static_cast<double>(data[static_cast<std::size_t>(r) * w + i]) / pivot);
        for (int r = i + 1; r < height; ++r)
            UpdateRowSpan(data + static_cast<std::size_t>(r) * w, pivotRow, static_cast<double>(factor[r]), i, width);
    }
}

}  // namespace

void EliminateReference(float* data, int width, int height, float* factor) {
    EliminatePlain(data, width, height, factor);
}

void EliminateReference(double* data, int width, int height, double* factor) {
    EliminatePlain(data, width, height, factor);
}
