#pragma once
// The Win32 names that kordane02 uses, declared for our Linux stand-in
// (library kordane_win32). Only what the program calls is declared; values
// are the ones Windows gives them.
#include "windef.h"
#include "winerror.h"
#include "unknwn.h"
#include "crt_extras.h"

typedef WORD ATOM;
typedef LONG LSTATUS;
typedef DWORD REGSAM;
DECLARE_HANDLE(HKEY);
typedef HKEY* PHKEY;

// ---- process entry -------------------------------------------------------
// The program defines WinMain; the stand-in's main() calls it.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd);

// ---- last error ----------------------------------------------------------
DWORD GetLastError();
void SetLastError(DWORD errorCode);

// ---- command line --------------------------------------------------------
// The arguments joined with Windows quoting, program name first.
LPWSTR GetCommandLineW();
// Splits a command line with the Windows rules; free the array with LocalFree.
LPWSTR* CommandLineToArgvW(LPCWSTR lpCmdLine, int* pNumArgs);
HLOCAL LocalFree(HLOCAL hMem);

// ---- tick count ----------------------------------------------------------
// Milliseconds of the monotonic clock, wrapping at 2^32.
DWORD GetTickCount();

// ---- message boxes and the debugger channel ------------------------------
#define MB_OK 0x00000000L
#define IDOK 1
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
void OutputDebugStringA(LPCSTR lpOutputString);

// ---- windows -------------------------------------------------------------
typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagWNDCLASSEXA {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
    HICON hIconSm;
} WNDCLASSEXA;

typedef struct tagCREATESTRUCTA {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCSTR lpszName;
    LPCSTR lpszClass;
    DWORD dwExStyle;
} CREATESTRUCTA;

#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_SHOWWINDOW 0x0018
#define WM_NCCREATE 0x0081
#define WM_NCDESTROY 0x0082
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101

#define VK_ESCAPE 0x1B

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5
#define SW_SHOWDEFAULT 10

#define WS_OVERLAPPED 0x00000000L
#define WS_CAPTION 0x00C00000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_OVERLAPPEDWINDOW \
    (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)

#define MAKEINTRESOURCEA(i) ((LPSTR)((ULONG_PTR)((WORD)(i))))
#define IS_INTRESOURCE(p) ((((ULONG_PTR)(p)) >> 16) == 0)
#define IDI_APPLICATION MAKEINTRESOURCEA(32512)
#define IDI_WINLOGO MAKEINTRESOURCEA(32517)
#define IDC_ARROW MAKEINTRESOURCEA(32512)

#define WHITE_BRUSH 0
#define BLACK_BRUSH 4

ATOM RegisterClassExA(const WNDCLASSEXA* lpwcx);
BOOL UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance);
HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                     int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, LPVOID lpParam);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL UpdateWindow(HWND hWnd);
LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
BOOL DestroyWindow(HWND hWnd);
void PostQuitMessage(int nExitCode);
BOOL GetClientRect(HWND hWnd, LPRECT lpRect);
HICON LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName);
HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName);
HGDIOBJ GetStockObject(int i);

// ---- registry (read only) ------------------------------------------------
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)((LONG)0x80000002))
#define KEY_QUERY_VALUE 0x0001
#define KEY_READ 0x20019
#define REG_NONE 0
#define REG_SZ 1
#define REG_DWORD 4

LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                         LPBYTE lpData, LPDWORD lpcbData);
LSTATUS RegCloseKey(HKEY hKey);
