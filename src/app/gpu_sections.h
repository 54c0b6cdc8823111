#pragma once
// The benchmark sections that use the GPU back-end: the GPU elimination and
// the two comparison schedules, PRECCOMP and MULMAT. Each writes its part of
// the report; `headerWidth` and `headerHeight` are the sizes read from the
// input matrix file's header, handed to the render operations.
#include <windows.h>

void RunDX9Section(HWND hWnd, int headerWidth, int headerHeight);
void RunPrecisionComparison(HWND hWnd, int headerWidth, int headerHeight);
void RunMulMatComparison(HWND hWnd, int headerWidth, int headerHeight);
