#pragma once
// The benchmark sections that use the GPU back-end: the GPU elimination and
// the two comparison schedules, PRECCOMP and MULMAT. Each writes its part of
// the report; the run context gives the host window and the header sizes
// that go to the render operations.
#include "run_context.h"

void RunDx9Section(const RunContext& run);
void RunPrecisionComparison(const RunContext& run);
void RunMulMatComparison(const RunContext& run);
