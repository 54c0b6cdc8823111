// System icons, cursors and stock objects: handles that stand for them.
// Nothing is drawn, so the handles only have to be distinct and non-null.
#include <windows.h>

namespace {
HICON__ applicationIcon{}, logoIcon{};
HICON__ arrowCursor{};
HBRUSH__ stockBrushes[6]{};  // WHITE_BRUSH .. NULL_BRUSH

bool IsSystemResource(HINSTANCE hInstance, LPCSTR name) { return hInstance == nullptr && IS_INTRESOURCE(name); }
}  // namespace

HICON LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
    if (IsSystemResource(hInstance, lpIconName)) {
        if (lpIconName == IDI_APPLICATION) return &applicationIcon;
        if (lpIconName == IDI_WINLOGO) return &logoIcon;
    }
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
}

HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName) {
    if (IsSystemResource(hInstance, lpCursorName) && lpCursorName == IDC_ARROW) return &arrowCursor;
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
}

HGDIOBJ GetStockObject(int i) {
    if (i >= 0 && i < 6) return &stockBrushes[i];
    return nullptr;
}
