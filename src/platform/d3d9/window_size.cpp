// The client size of the focus window comes from the Win32 stand-in when the
// program links it. The reference is weak so that this library also links
// without it (the tests give back-buffer sizes instead); both linkages a
// GetClientRect declaration may have are looked for. Without any window
// system the back buffer, which nothing ever shows, is a single pixel.
#include "direct3d9.h"

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) __attribute__((weak));

namespace kd3d9 {

// False when no C-linkage GetClientRect is linked; else `known` says whether it answered.
bool ClientSizeFromCLinkage(HWND window, RECT& rect, bool& known);

bool WindowClientSize(HWND window, UINT& width, UINT& height) {
    RECT rect = {0, 0, 0, 0};
    bool known = false;
    if (&::GetClientRect != nullptr) {
        known = ::GetClientRect(window, &rect) != FALSE;
    } else if (!ClientSizeFromCLinkage(window, rect, known)) {
        width = height = 1;
        return true;
    }
    if (!known || rect.right < rect.left || rect.bottom < rect.top) return false;
    width = static_cast<UINT>(rect.right - rect.left);
    height = static_cast<UINT>(rect.bottom - rect.top);
    return true;
}

}  // namespace kd3d9
