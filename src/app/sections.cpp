// The sections of a run, in their fixed order whatever the order of the
// keywords: DX9, the DX10 / FireStream / CUDA notices, CPU, CPU2,
// PRECCOMP, MULMAT.
#include "cpu/cpu_gpgpu.h"
#include "globals.h"
#include "gpu_sections.h"
#include "report.h"
#include "run_context.h"
#include "timed_section.h"

namespace {

void WriteNotice(const char* title, const char* text) {
    OutputNote(title);
    OutputNote(text);
}

template <class T>
void RunCpuSection(const char* title) {
    CPUgpgpu<T> cpu;
    RunTimedSection(
        cpu, title,
        [](CPUgpgpu<T>& b) {
            b.LogInfo();
            b.InputData(fileNameIn, false);
        },
        [](CPUgpgpu<T>& b) { b.Compute(); });
}

}  // namespace

void RunSections(const RunContext& run) {
    if (computeStyle & STYLE_DX9) RunDx9Section(run);
    if (computeStyle & STYLE_DX10) WriteNotice("DX10:\n", "  not compiled for use.\n\n\n");
    if (computeStyle & STYLE_FSTR) WriteNotice("FireStream:\n", "  not supported (yet).\n\n\n");
    if (computeStyle & STYLE_CUDA) WriteNotice("CUDA:\n", "  not supported (yet).\n\n\n");
    if (computeStyle & STYLE_CPU) RunCpuSection<float>("CPU:\n");
    if (computeStyle & STYLE_CPU2) RunCpuSection<double>("CPU (double prec):\n");
    if (computeStyle & STYLE_PRECCOMP) RunPrecisionComparison(run);
    if (computeStyle & STYLE_MULMAT) RunMulMatComparison(run);
}
