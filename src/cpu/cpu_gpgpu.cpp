// CPUgpgpu: matrix store, loading, elimination, result rows, processor
// description and the comparison kernels, for float and double.
#include "cpu/cpu_gpgpu.h"

#include <windows.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <new>

#include "cpu/comparison_kernels.h"
#include "cpu/elimination.h"
#include "cpu/matrix_loader.h"
#include "cpu/matrix_store.h"
#include "cpu/processor_note.h"
#include "report/report.h"

namespace {

constexpr const char* kNoMemory = "Not enough memory for the matrix";

// Elements of the object's arrays (0 before InputData).
template <class T>
std::size_t ElementCount(const CPUgpgpu<T>& m) {
    if (!m.data) return 0;
    const int64_t count = MatrixElementCount(m.width, m.height);
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

}  // namespace

// Null arrays, so that an object never loaded destroys cleanly.
template <class T>
CPUgpgpu<T>::CPUgpgpu() : width(0), height(0), data(nullptr), dataOrig(nullptr) {}

template <class T>
CPUgpgpu<T>::~CPUgpgpu() {
    delete[] data;
    delete[] dataOrig;
}

template <class T>
void CPUgpgpu<T>::LogInfo() {
    OutputNote(ProcessorNote().c_str());
}

template <class T>
void CPUgpgpu<T>::InputData(const char* fileName, bool fake) {
    std::FILE* file = OpenInputFile(fileName);
    if (!file) Help();
    const int headerFields = std::fscanf(file, "%d %d\n", &width, &height);
    (void)headerFields;  // the main routine has checked the header already

    delete[] data;
    delete[] dataOrig;
    data = nullptr;
    dataOrig = nullptr;
    const int64_t count = MatrixElementCount(width, height);
    data = AllocateGuarded<T>(count);
    if (data) dataOrig = AllocateGuarded<T>(count);
    if (!data || !dataOrig) {
        delete[] data;
        data = nullptr;
        std::fclose(file);
        Error(kNoMemory, true, 0);
        return;
    }
    if (!fake) {
        float temp = 0.0f;  // what an element holds when not even the first value can be scanned
        ScanMatrixValues(file, dataOrig, static_cast<std::size_t>(count), temp);
        std::memcpy(data, dataOrig, static_cast<std::size_t>(count) * sizeof(T));
    }
    std::fclose(file);
}

template <class T>
void CPUgpgpu<T>::ReloadData() {
    const std::size_t count = ElementCount(*this);
    if (count) std::memcpy(data, dataOrig, count * sizeof(T));
}

namespace {

// The blocked kernel for this machine; false where it can't run.
bool RunBlocked(float* data, int width, int height, double* scratch) {
    return scratch && EliminateBlocked(data, width, height, BestEliminationPath(), scratch);
}

bool RunBlocked(double* data, int width, int height, double*) {
    return EliminateBlocked(data, width, height, BestEliminationPath());
}

}  // namespace

template <class T>
int64_t CPUgpgpu<T>::Compute() {
    // The factor array of the plain loop and the scratch of the blocked
    // one are allocated before and freed after the timed part.
    T* factor = AllocateGuarded<T>(height < 0 ? -1 : height);
    if (!factor) {
        Error(kNoMemory, true, 0);
        return 0;
    }
    std::memset(factor, 0, static_cast<std::size_t>(height > 0 ? height : 0) * sizeof(T));
    // Without its scratch the blocked kernel gives way to the plain loop.
    double* scratch = nullptr;
    if constexpr (sizeof(T) == sizeof(float)) scratch = new (std::nothrow) double[BlockedScratchElements(width, height)];
    const int rows = data ? height : 0;

    const DWORD start = GetTickCount();
    if (!RunBlocked(data, width, rows, scratch)) EliminateReference(data, width, rows, factor);
    const DWORD end = GetTickCount();

    delete[] scratch;
    delete[] factor;
    // Modulo 2^32: a wrap of the counter never gives a negative time.
    return static_cast<int64_t>(static_cast<DWORD>(end - start));
}

template <class T>
void CPUgpgpu<T>::OutputData(T* src, int w, int h, const char* fileName, const char* precision) {
    static int dbgCnt = 0;  // one per element type, never reset
    if (w == -1 && h == -1) {
        w = width;
        h = height;
    }
    const T* matrix = src ? src : data;
    // The own matrix is never read outside its array, whatever size asked.
    if (!src && h > 0 && (w < 0 || static_cast<int64_t>(h) * w > static_cast<int64_t>(ElementCount(*this)))) h = 0;
    const T* lastRow = matrix;
    if (h > 0 && w > 0) lastRow = matrix + static_cast<std::size_t>(h - 1) * static_cast<std::size_t>(w);
    OutputResultRows(fileName, precision, lastRow, w, h, src ? &dbgCnt : nullptr);
}

template <class T>
void CPUgpgpu<T>::OutputData(const char* fileName, const char* precision) {
    OutputData(nullptr, -1, -1, fileName, precision);
}

template <class T>
void CPUgpgpu<T>::ComputeMulMat(int mul) {
    MultiplyMatrix(data, ElementCount(*this), mul);
}

template <class T>
void CPUgpgpu<T>::ComputeTest(double a, double b) {
    WritePrecisionProbe(data, ElementCount(*this), a, b);
}

template class CPUgpgpu<float>;
template class CPUgpgpu<double>;
