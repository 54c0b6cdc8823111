// The size guard: a request that the 32-bit byte count of the arrays cannot
// describe fails like an allocation without memory, never as a wrapped,
// smaller array.
#include "cpu/matrix_store.h"

#include <cstddef>
#include <new>

int64_t MatrixElementCount(int width, int height) {
    if (width < 0 || height < 0) return -1;
    const int64_t count = static_cast<int64_t>(width) * static_cast<int64_t>(height);
    return count > static_cast<int64_t>(UINT32_MAX) ? -1 : count;
}

namespace {

template <class T>
T* Allocate(int64_t count) {
    if (count < 0 || count > kMaxElements<T>) return nullptr;
    return new (std::nothrow) T[static_cast<std::size_t>(count)];
}

}  // namespace

float* AllocateGuarded(int64_t count, float*) { return Allocate<float>(count); }

double* AllocateGuarded(int64_t count, double*) { return Allocate<double>(count); }
