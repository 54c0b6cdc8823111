// Window classes, kept by name for the life of the process.
#include <strings.h>

#include <list>

#include "window_store.h"

namespace {
std::list<WindowClassRecord> classes;

std::list<WindowClassRecord>::iterator Find(const char* name) {
    for (auto it = classes.begin(); it != classes.end(); ++it)
        if (strcasecmp(it->name.c_str(), name) == 0) return it;
    return classes.end();
}
}  // namespace

const WindowClassRecord* FindWindowClass(const char* name) {
    if (!name) return nullptr;
    auto it = Find(name);
    return it == classes.end() ? nullptr : &*it;
}

ATOM RegisterClassExA(const WNDCLASSEXA* lpwcx) {
    if (!lpwcx || lpwcx->cbSize != sizeof(WNDCLASSEXA) || !lpwcx->lpfnWndProc || !lpwcx->lpszClassName ||
        IS_INTRESOURCE(lpwcx->lpszClassName) || lpwcx->lpszClassName[0] == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (Find(lpwcx->lpszClassName) != classes.end()) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    classes.push_back({lpwcx->lpszClassName, lpwcx->hInstance, lpwcx->lpfnWndProc});
    // Atoms of registered classes start at 0xC000 on Windows.
    return static_cast<ATOM>(0xC000 + (classes.size() - 1) % 0x4000);
}

BOOL UnregisterClassA(LPCSTR lpClassName, HINSTANCE) {
    auto it = lpClassName ? Find(lpClassName) : classes.end();
    if (it == classes.end()) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (AnyWindowOfClass(it->name)) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    classes.erase(it);
    return TRUE;
}
