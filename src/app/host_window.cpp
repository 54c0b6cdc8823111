// The host window that the Direct3D device presents into. The run never
// takes messages from a queue; the window only gets what is sent to it.
#include "report.h"
#include "run_context.h"

namespace {
const char className[] = "kordaneClass";
}

void WindowCreate(HINSTANCE hThisInst, HWND& hWnd) {
    WNDCLASSEXA wcl{};
    wcl.cbSize = sizeof(WNDCLASSEXA);
    wcl.style = 0;
    wcl.lpfnWndProc = WinProc;
    wcl.cbClsExtra = 0;
    wcl.cbWndExtra = 0;
    wcl.hInstance = hThisInst;
    wcl.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wcl.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wcl.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wcl.lpszMenuName = nullptr;
    wcl.lpszClassName = className;
    wcl.hIconSm = LoadIconA(nullptr, IDI_WINLOGO);
    if (!RegisterClassExA(&wcl)) Error("Window class can't be registered", true, 0);

    hWnd = CreateWindowExA(0, className, "kordane", WS_OVERLAPPEDWINDOW, 0, 0, 64, 64, nullptr, nullptr, hThisInst,
                           nullptr);
}

LRESULT CALLBACK WinProc(HWND hWnd, UINT msg, WPARAM wP, LPARAM lP) {
    switch (msg) {
    case WM_DESTROY:
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    case WM_KEYUP:
        if (wP == VK_ESCAPE) PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hWnd, msg, wP, lP);
    }
}

void EndRun(HINSTANCE hThisInst, HWND hWnd) {
    UnregisterClassA(className, hThisInst);
    DestroyWindow(hWnd);
}
