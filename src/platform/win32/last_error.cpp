// The calling thread's last error code.
#include <windows.h>

namespace {
thread_local DWORD lastError = 0;
}

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD errorCode) { lastError = errorCode; }
