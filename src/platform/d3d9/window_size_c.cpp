// GetClientRect with C linkage, for a Win32 stand-in that declares it so.
#include "direct3d9.h"

extern "C" BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) __attribute__((weak));

namespace kd3d9 {

bool ClientSizeFromCLinkage(HWND window, RECT& rect) {
    if (&::GetClientRect == nullptr) return false;
    return ::GetClientRect(window, &rect) != FALSE;
}

}  // namespace kd3d9
