#pragma once
// Allocation of the back-end's arrays under the size guard.
#include <cstdint>

// Largest element count of one array: the byte count must stay below 2^32.
template <class T>
constexpr int64_t kMaxElements = sizeof(T) == 4 ? 1073741823 : 536870911;

// Elements of a `width` x `height` matrix, or -1 when no array can hold it:
// a negative side, or a product that does not fit in 32 bits.
int64_t MatrixElementCount(int width, int height);

// `count` uninitialised elements of T, or null when the count is negative,
// above kMaxElements<T>, or the allocator has no memory for it. Free with
// delete[].
float* AllocateGuarded(int64_t count, float*);
double* AllocateGuarded(int64_t count, double*);

template <class T>
T* AllocateGuarded(int64_t count) {
    return AllocateGuarded(count, static_cast<T*>(nullptr));
}
