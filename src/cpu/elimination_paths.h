#pragma once
// Entry points of the blocked elimination, one build per vector unit. Only
// the dispatcher calls them, and only on a processor that has the unit.
// `steps` comes from EliminationSteps; `scratch` holds kBlockPivots * width
// doubles (used by the float instance only).

#ifndef KD_BLOCK_PIVOTS
#define KD_BLOCK_PIVOTS 32
#endif
constexpr int kBlockPivots = KD_BLOCK_PIVOTS;

void EliminateBlockedBaseline(float* data, int width, int height, int steps, double* scratch);
void EliminateBlockedBaseline(double* data, int width, int height, int steps, double* scratch);
void EliminateBlockedAvx2(float* data, int width, int height, int steps, double* scratch);
void EliminateBlockedAvx2(double* data, int width, int height, int steps, double* scratch);
void EliminateBlockedAvx512(float* data, int width, int height, int steps, double* scratch);
void EliminateBlockedAvx512(double* data, int width, int height, int steps, double* scratch);
