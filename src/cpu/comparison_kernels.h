#pragma once
// The two kernels of the comparison runs: the scalar multiply and the
// precision probe. Both work in place and read no clock.
#include <cstddef>

// Every element times `mul`: the float version multiplies by `mul` rounded
// to float, widened, and rounds each product to float; the double version
// multiplies by the exact integer.
void MultiplyMatrix(float* data, std::size_t count, int mul);
void MultiplyMatrix(double* data, std::size_t count, int mul);

// Writes the probe into the last four of `count` elements: a and b as
// stored, the quotient of the stored operands, the quotient of the
// arguments. Cells that would lie before the first element (fewer than four
// elements) are left out.
void WritePrecisionProbe(float* data, std::size_t count, double a, double b);
void WritePrecisionProbe(double* data, std::size_t count, double a, double b);
