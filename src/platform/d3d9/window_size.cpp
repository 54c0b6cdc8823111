// The client size of the focus window comes from the Win32 stand-in when the
// program links it. The reference is weak so that this library also links
// without it (the tests give back-buffer sizes instead); both linkages a
// GetClientRect declaration may have are looked for.
#include "direct3d9.h"

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) __attribute__((weak));

namespace kd3d9 {

bool ClientSizeFromCLinkage(HWND window, RECT& rect);

bool WindowClientSize(HWND window, UINT& width, UINT& height) {
    RECT rect = {0, 0, 0, 0};
    bool known = false;
    if (&::GetClientRect != nullptr)
        known = ::GetClientRect(window, &rect) != FALSE;
    else
        known = ClientSizeFromCLinkage(window, rect);
    if (!known || rect.right < rect.left || rect.bottom < rect.top) return false;
    width = static_cast<UINT>(rect.right - rect.left);
    height = static_cast<UINT>(rect.bottom - rect.top);
    return true;
}

}  // namespace kd3d9
