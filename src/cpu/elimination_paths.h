#pragma once
// Entry points of the blocked elimination, one build per vector unit. Only
// the dispatcher calls them, and only on a processor that has the unit.
// `steps` comes from EliminationSteps; `scratch` holds BlockedScratchElements
// doubles (used by the float instance only).

// Pivots applied to a row per pass: 32 pivot rows of a 2000-column matrix
// stay in the second-level cache.
constexpr int kBlockPivots = 32;

void EliminateBlockedBaseline(float* data, int width, int height, int steps, double* scratch);
void EliminateBlockedBaseline(double* data, int width, int height, int steps, double* scratch);
void EliminateBlockedAvx2(float* data, int width, int height, int steps, double* scratch);
void EliminateBlockedAvx2(double* data, int width, int height, int steps, double* scratch);
void EliminateBlockedAvx512(float* data, int width, int height, int steps, double* scratch);
void EliminateBlockedAvx512(double* data, int width, int height, int steps, double* scratch);
