#pragma once
// The CPU back-end: one matrix in main memory, in single (T = float) or
// double (T = double) precision, with the operations of every back-end
// (LogInfo, InputData, Compute, OutputData, ReloadData) and the two kernels
// of the comparison runs.
#include <cstdint>

template <class T>
class CPUgpgpu {
public:
    CPUgpgpu();
    ~CPUgpgpu();
    // The object owns its arrays: a copy would free them twice.
    CPUgpgpu(const CPUgpgpu&) = delete;
    CPUgpgpu& operator=(const CPUgpgpu&) = delete;

    // Appends the processor name and clock to the report file.
    void LogInfo();
    // Reads the header of `fileName` and allocates both arrays; unless
    // `fake`, also reads the values. A missing file shows the usage text.
    void InputData(const char* fileName, bool fake);
    // Restores the working matrix from the pristine copy.
    void ReloadData();
    // Forward elimination of `data` in place; returns the elapsed ticks.
    int64_t Compute();
    // Appends the tail of the last row of `src` (w x h), or of `data` when
    // src is null, to the report file; w = h = -1 takes the own size.
    void OutputData(T* src, int w, int h, const char* fileName, const char* precision);
    void OutputData(const char* fileName, const char* precision);
    // Multiplies every element by `mul`.
    void ComputeMulMat(int mul);
    // Writes a, b and their two quotients into the last four elements.
    void ComputeTest(double a, double b);

    int width;
    int height;
    T* data;
    T* dataOrig;
};

extern template class CPUgpgpu<float>;
extern template class CPUgpgpu<double>;
