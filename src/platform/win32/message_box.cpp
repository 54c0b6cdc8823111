// Message boxes: there is no display, so the box becomes one line on
// standard error and is "dismissed" at once.
#include <windows.h>

#include <cstdio>

int MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT) {
    std::fprintf(stderr, "%s: %s\n", lpCaption ? lpCaption : "Error", lpText ? lpText : "");
    std::fflush(stderr);
    return IDOK;
}
