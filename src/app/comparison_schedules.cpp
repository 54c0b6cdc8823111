// The comparison schedules: PRECCOMP (one quotient in double, in float and on
// the card at six decimal scales) and MULMAT (the matrix times 3, timed on
// the CPU and on the card).
#include <cstdio>

#include "cpu/cpu_gpgpu.h"
#include "dx9/dx9_gpgpu.h"
#include "gpu_sections.h"
#include "report/globals.h"
#include "report/report.h"
#include "timed_section.h"

namespace {

constexpr const char* PROBE_PRECISION = "%.20f";
constexpr int PROBE_SCALES = 6;
constexpr int MULMAT_FACTOR = 3;

template <typename T>
void CpuProbe(double a, double b)
{
    CPUgpgpu<T> cpu;
    cpu.InputData(fileNameIn, true);
    cpu.ComputeTest(a, b);
    cpu.OutputData(fileNameOut, PROBE_PRECISION);
}

void GpuProbe(HWND hWnd, int headerWidth, int headerHeight, double a, double b)
{
    DX9gpgpu gpu;
    gpu.InitDirect3D(hWnd);
    gpu.InputDataTest(fileNameIn, a, b);
    UpdateWindow(hWnd);
    gpu.RenderTest(headerWidth, headerHeight);
    gpu.OutputData(fileNameOut, PROBE_PRECISION);
}

}  // namespace

void RunPrecisionComparison(HWND hWnd, int headerWidth, int headerHeight)
{
    double a = 30.0;
    double b = 65.0;
    {
        // The adapter line, once for the whole comparison.
        DX9gpgpu gpu;
        gpu.InitDirect3D(hWnd);
        gpu.LogInfo();
    }
    for (int scale = PROBE_SCALES; scale > 0; --scale) {
        std::snprintf(buf, TEXT_BUFFER_SIZE, "=====%.4f x %.4f===== ( DOUBLE / FLOAT / DX9 ) \n", a, b);
        OutputNote(buf);
        CpuProbe<double>(a, b);
        CpuProbe<float>(a, b);
        GpuProbe(hWnd, headerWidth, headerHeight, a, b);
        OutputNote("\n");
        a = a / 10.0;
        b = b / 10.0;
    }
}

void RunMulMatComparison(HWND hWnd, int headerWidth, int headerHeight)
{
    CPUgpgpu<float> cpu;
    OutputNote("CPU mul mat:\n");
    cpu.LogInfo();
    cpu.InputData(fileNameIn, false);
    RunTimedIterations(cpu, [&] { cpu.ComputeMulMat(MULMAT_FACTOR); });

    // The CPU object keeps its matrices through the GPU half.
    DX9gpgpu gpu;
    OutputNote("DX9 mul mat:\n");
    gpu.InitDirect3D(hWnd);
    gpu.LogInfo();
    gpu.InputData(fileNameIn, false, 0.0, 0.0);
    UpdateWindow(hWnd);
    RunTimedIterations(gpu, [&] { gpu.RenderMulMat(headerWidth, headerHeight, MULMAT_FACTOR); });
}
