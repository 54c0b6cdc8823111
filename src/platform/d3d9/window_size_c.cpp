// GetClientRect with C linkage, for a Win32 stand-in that declares it so.
#include "direct3d9.h"

extern "C" BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) __attribute__((weak));

namespace kd3d9 {

bool ClientSizeFromCLinkage(HWND window, RECT& rect, bool& known) {
    if (&::GetClientRect == nullptr) return false;
    known = ::GetClientRect(window, &rect) != FALSE;
    return true;
}

}  // namespace kd3d9
