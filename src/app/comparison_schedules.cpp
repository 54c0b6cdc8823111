// The comparison schedules: PRECCOMP (one quotient in double, in float and on
// the card at six decimal scales) and MULMAT (the matrix times 3, timed on
// the CPU and on the card).
#include <cstdio>

#include "cpu/cpu_gpgpu.h"
#include "dx9/dx9_gpgpu.h"
#include "globals.h"
#include "gpu_sections.h"
#include "report.h"
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

// Each scale opens a device of its own and writes no adapter line.
void GpuProbe(const RunContext& run, double a, double b)
{
    DX9gpgpu gpu;
    gpu.InitDirect3D(run.hWnd);
    gpu.InputDataTest(fileNameIn, a, b);
    UpdateWindow(run.hWnd);
    gpu.RenderTest(run.headerWidth, run.headerHeight);
    gpu.OutputData(fileNameOut, PROBE_PRECISION);
}

}  // namespace

void RunPrecisionComparison(const RunContext& run)
{
    {
        // The adapter line, once for the whole comparison.
        DX9gpgpu gpu;
        gpu.InitDirect3D(run.hWnd);
        gpu.LogInfo();
    }
    double a = 30.0;
    double b = 65.0;
    for (int scale = PROBE_SCALES; scale > 0; --scale) {
        _snprintf_s(buf, TEXT_BUFFER_SIZE, _TRUNCATE, "=====%.4f x %.4f===== ( DOUBLE / FLOAT / DX9 ) \n", a, b);
        OutputNote(buf);
        CpuProbe<double>(a, b);
        CpuProbe<float>(a, b);
        GpuProbe(run, a, b);
        OutputNote("\n");
        a = a / 10.0;
        b = b / 10.0;
    }
}

void RunMulMatComparison(const RunContext& run)
{
    // The CPU object keeps its matrices through the GPU half and goes last.
    CPUgpgpu<float> cpu;
    RunTimedSection(
        cpu, "CPU mul mat:\n",
        [](CPUgpgpu<float>& b) {
            b.LogInfo();
            b.InputData(fileNameIn, false);
        },
        [](CPUgpgpu<float>& b) { b.ComputeMulMat(MULMAT_FACTOR); });

    DX9gpgpu gpu;
    RunTimedSection(
        gpu, "DX9 mul mat:\n",
        [&](DX9gpgpu& b) {
            b.InitDirect3D(run.hWnd);
            b.LogInfo();
            b.InputData(fileNameIn, false, 0.0, 0.0);
            UpdateWindow(run.hWnd);
        },
        [&](DX9gpgpu& b) { b.RenderMulMat(run.headerWidth, run.headerHeight, MULMAT_FACTOR); });
}
