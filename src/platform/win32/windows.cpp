// Windows: records that receive the messages Windows would send them
// directly (creation, showing, painting, destruction). Nothing is queued.
#include <cstddef>
#include <list>

#include "window_store.h"

namespace {

std::list<WindowRecord> windows;
bool quitPosted = false;
int quitExitCode = 0;

std::list<WindowRecord>::iterator Find(HWND hWnd) {
    for (auto it = windows.begin(); it != windows.end(); ++it)
        if (&it->handle == hWnd) return it;
    return windows.end();
}

}  // namespace

bool AnyWindowOfClass(const std::string& name) {
    for (const WindowRecord& w : windows)
        if (w.className == name) return true;
    return false;
}

WindowRecord* FindWindow(HWND hWnd) {
    auto it = Find(hWnd);
    return it == windows.end() ? nullptr : &*it;
}

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int x, int y,
                     int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam) {
    const WindowClassRecord* windowClass = FindWindowClass(lpClassName);
    if (!windowClass) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return nullptr;
    }
    windows.emplace_back();
    WindowRecord& record = windows.back();
    record.procedure = windowClass->procedure;
    record.className = windowClass->name;
    record.width = nWidth > 0 ? nWidth : 0;
    record.height = nHeight > 0 ? nHeight : 0;
    HWND hWnd = &record.handle;

    CREATESTRUCTA create{lpParam, hInstance, hMenu, hWndParent, nHeight, nWidth, y, x,
                         static_cast<LONG>(dwStyle), lpWindowName, lpClassName, dwExStyle};
    LPARAM lParam = reinterpret_cast<LPARAM>(&create);
    // A refused WM_NCCREATE ends with WM_NCDESTROY alone; a refused
    // WM_CREATE destroys the window. The procedure may destroy it itself.
    WNDPROC procedure = record.procedure;
    if (!procedure(hWnd, WM_NCCREATE, 0, lParam)) {
        if (FindWindow(hWnd)) {
            procedure(hWnd, WM_NCDESTROY, 0, 0);
            auto it = Find(hWnd);
            if (it != windows.end()) windows.erase(it);
        }
        return nullptr;
    }
    if (!FindWindow(hWnd)) return nullptr;
    if (procedure(hWnd, WM_CREATE, 0, lParam) == -1) {
        DestroyWindow(hWnd);
        return nullptr;
    }
    if (!FindWindow(hWnd)) return nullptr;
    return hWnd;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    WindowRecord* window = FindWindow(hWnd);
    if (!window) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    BOOL wasVisible = window->visible ? TRUE : FALSE;
    bool show = nCmdShow != SW_HIDE;
    if (show != window->visible) {
        window->procedure(hWnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        window = FindWindow(hWnd);  // the procedure may have destroyed it
        if (!window) return wasVisible;
        window->visible = show;
        if (show) window->needsPaint = true;
    }
    return wasVisible;
}

BOOL UpdateWindow(HWND hWnd) {
    WindowRecord* window = FindWindow(hWnd);
    if (!window) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (window->visible && window->needsPaint) window->procedure(hWnd, WM_PAINT, 0, 0);
    return TRUE;
}

LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM, LPARAM) {
    switch (Msg) {
    case WM_NCCREATE:
        return TRUE;
    case WM_PAINT:
        if (WindowRecord* window = FindWindow(hWnd)) window->needsPaint = false;
        return 0;
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    default:
        return 0;
    }
}

BOOL DestroyWindow(HWND hWnd) {
    WindowRecord* window = FindWindow(hWnd);
    if (!window) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    WNDPROC procedure = window->procedure;
    procedure(hWnd, WM_DESTROY, 0, 0);
    procedure(hWnd, WM_NCDESTROY, 0, 0);
    auto it = Find(hWnd);
    if (it != windows.end()) windows.erase(it);
    return TRUE;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
    WindowRecord* window = FindWindow(hWnd);
    if (!window || !lpRect) {
        SetLastError(window ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    // Without frames the client area is the whole window.
    *lpRect = RECT{0, 0, window->width, window->height};
    return TRUE;
}

void PostQuitMessage(int nExitCode) {
    quitPosted = true;
    quitExitCode = nExitCode;
}

bool KdQuitMessagePosted(int* exitCode) {
    if (quitPosted && exitCode) *exitCode = quitExitCode;
    return quitPosted;
}

void KdResetQuitMessage() {
    quitPosted = false;
    quitExitCode = 0;
}
