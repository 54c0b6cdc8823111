// Scalar multiply and precision probe of the CPU back-end.
#include "cpu/comparison_kernels.h"

namespace {

template <class T>
void Probe(T* data, std::size_t count, double a, double b) {
    // Cells N-4 .. N-1, each written in turn; a cell outside a matrix of
    // fewer than four elements is skipped, and so is a quotient whose
    // operand cell does not exist.
    T* cells[4] = {nullptr, nullptr, nullptr, nullptr};
    for (std::size_t k = 0; k < 4; ++k)
        if (count >= 4 - k) cells[k] = data + (count - (4 - k));
    if (cells[0]) *cells[0] = static_cast<T>(a);
    if (cells[1]) *cells[1] = static_cast<T>(b);
    if (cells[2] && cells[0] && cells[1])
        *cells[2] = static_cast<T>(static_cast<double>(*cells[0]) / static_cast<double>(*cells[1]));
    if (cells[3]) *cells[3] = static_cast<T>(a / b);
}

}  // namespace

void MultiplyMatrix(float* data, std::size_t count, int mul) {
    const double m = static_cast<double>(static_cast<float>(mul));
    for (std::size_t k = 0; k < count; ++k) data[k] = static_cast<float>(static_cast<double>(data[k]) * m);
}

void MultiplyMatrix(double* data, std::size_t count, int mul) {
    const double m = static_cast<double>(mul);
    for (std::size_t k = 0; k < count; ++k) data[k] = data[k] * m;
}

void WritePrecisionProbe(float* data, std::size_t count, double a, double b) { Probe(data, count, a, b); }

void WritePrecisionProbe(double* data, std::size_t count, double a, double b) { Probe(data, count, a, b); }
