#pragma once
// The window classes and windows of the process (there is no display).
#include <windows.h>

#include <string>

struct WindowClassRecord {
    std::string name;
    HINSTANCE instance = nullptr;
    WNDPROC procedure = nullptr;
};

struct WindowRecord {
    HWND__ handle{};  // the window's handle is the address of this member
    WNDPROC procedure = nullptr;
    std::string className;
    int width = 0;
    int height = 0;
    bool visible = false;
    bool needsPaint = false;
};

// The class registered under `name` (ignoring case), or null.
const WindowClassRecord* FindWindowClass(const char* name);
// Whether a live window was made from the class `name`.
bool AnyWindowOfClass(const std::string& name);
// The live window behind `hWnd`, or null.
WindowRecord* FindWindow(HWND hWnd);
