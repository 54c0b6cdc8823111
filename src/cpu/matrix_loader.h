#pragma once
// Reads the values of an input matrix file.
#include <cstddef>
#include <cstdio>

// Reads `count` values from the current position of `file` (just after the
// header) exactly as `count` calls of fscanf(file, "%f ", &temp) would, and
// stores each value of `temp`, widened to the element type, in `values`.
// A value that can't be scanned leaves `temp` unchanged, so the element
// repeats the previous one; the text that stopped the scan stays in the
// stream for the next element, just as with the scan itself. `temp` carries
// the scan's temporary in and out.
void ScanMatrixValues(std::FILE* file, float* values, std::size_t count, float& temp);
void ScanMatrixValues(std::FILE* file, double* values, std::size_t count, float& temp);
