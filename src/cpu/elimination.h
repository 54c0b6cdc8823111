#pragma once
#include <cstddef>

// Forward phase of Gaussian elimination without pivoting, in place on a
// row-major matrix of `height` rows and `width` columns (row stride `width`).
//
// Every element follows the same sequence of operations in every kernel:
// at pivot step i, factor = data[r][i] / data[i][i] and then
// data[r][c] = data[r][c] - data[i][c] * factor for c >= i, worked in double
// with one rounding to T per stored value and no fused multiply-add. The
// kernels differ only in the order in which independent elements are
// visited, so they agree bit for bit.

// Number of pivot steps: height - 1, but never a step without a column, so
// that a matrix narrower than height - 1 columns is never read outside.
int EliminationSteps(int width, int height);

// The loop as the algorithm is stated: for each pivot all factors into
// `factor` (height elements), then every row below the pivot.
void EliminateReference(float* data, int width, int height, float* factor);
void EliminateReference(double* data, int width, int height, double* factor);

// The vector units the blocked kernel is built for. Baseline is plain
// x86-64 (SSE2); the others are chosen only where the processor has them.
enum class EliminationPath { Baseline = 0, Avx2 = 1, Avx512 = 2 };
constexpr int kEliminationPathCount = 3;

bool EliminationPathSupported(EliminationPath path);
// The widest path this processor supports, detected once.
EliminationPath BestEliminationPath();
const char* EliminationPathName(EliminationPath path);

// Cache-blocked elimination with the same result as EliminateReference.
// A float matrix needs BlockedScratchElements(width, height) doubles of
// `scratch` (its pivot rows are widened there once per block); a double
// matrix needs none. Returns false, leaving `data` untouched, when the path is not
// supported here or the float scratch is missing.
std::size_t BlockedScratchElements(int width, int height);
bool EliminateBlocked(float* data, int width, int height, EliminationPath path, double* scratch);
bool EliminateBlocked(double* data, int width, int height, EliminationPath path);
