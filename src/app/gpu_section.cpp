// GPU elimination section: "DX9:" and the timed Render loop. Render returns
// after Present, which waits for the card, so the time covers the passes.
#include "dx9/dx9_gpgpu.h"
#include "globals.h"
#include "gpu_sections.h"
#include "timed_section.h"

void RunDx9Section(const RunContext& run)
{
    DX9gpgpu gpu;
    RunTimedSection(
        gpu, "DX9:\n",
        [&](DX9gpgpu& b) {
            b.InitDirect3D(run.hWnd);
            b.LogInfo();
            b.InputData(fileNameIn, false, 0.0, 0.0);
            UpdateWindow(run.hWnd);
        },
        [&](DX9gpgpu& b) { b.Render(run.headerWidth, run.headerHeight); });
}
