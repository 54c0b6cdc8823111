// GPU elimination section: "DX9:" and the timed Render loop.
#include "dx9/dx9_gpgpu.h"
#include "gpu_sections.h"
#include "report/globals.h"
#include "report/report.h"
#include "timed_section.h"

void RunDX9Section(HWND hWnd, int headerWidth, int headerHeight)
{
    DX9gpgpu gpu;
    OutputNote("DX9:\n");
    gpu.InitDirect3D(hWnd);
    gpu.LogInfo();
    gpu.InputData(fileNameIn, false, 0.0, 0.0);
    UpdateWindow(hWnd);
    RunTimedIterations(gpu, [&] { gpu.Render(headerWidth, headerHeight); });
}
