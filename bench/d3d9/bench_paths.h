#pragma once
// The two sides of the bench: the same passes through the Direct3D 9 stand-in
// and through bare GL calls.
#include <chrono>
#include <string>
#include <vector>

#include "d3dx9.h"

namespace bench {

using Clock = std::chrono::steady_clock;

struct Matrix {
    int width = 0;   // n + 1
    int height = 0;  // n
    std::vector<float> values;  // row-major
};

// Processor time of the whole process, all driver threads included: on a
// shared machine it tracks the work done better than the wall clock.
double ProcessCpuSeconds();

struct Result {
    double seconds = 0;     // wall clock
    double cpuSeconds = 0;  // processor time
    std::vector<float> lastRow;
    std::string renderer;
    std::string error;
};

// Run `pivots` pivots of the elimination on `m`; false when no device opens.
bool RunThroughLayer(const Matrix& m, int pivots, Result& result);
bool RunOnBareGl(const Matrix& m, int pivots, Result& result);

}  // namespace bench
