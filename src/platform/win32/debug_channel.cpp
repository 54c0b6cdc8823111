// The debugger output channel: standard error while a debugger is attached,
// nothing otherwise, so a user without a debugger sees each error only once
// (through its message box).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool DebuggerAttached() {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return false;
    char line[256];
    bool attached = false;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "TracerPid:", 10) == 0) {
            attached = std::strtol(line + 10, nullptr, 10) != 0;
            break;
        }
    }
    std::fclose(status);
    return attached;
}

}  // namespace

void OutputDebugStringA(LPCSTR lpOutputString) {
    if (!lpOutputString || !DebuggerAttached()) return;
    std::fputs(lpOutputString, stderr);
    std::fflush(stderr);
}
