// The read-only registry: one key, the first processor's description, with
// its name and clock. Everything else is missing, as on a Windows machine
// that lacks it. The key holds a snapshot taken when it is opened.
#include <windows.h>

#include <cstring>
#include <new>
#include <set>
#include <string>

#include "processor_facts.h"

namespace {

const char processorKey[] = "Hardware\\Description\\System\\CentralProcessor\\0";

struct OpenKey {
    ProcessorFacts facts;
};

std::set<OpenKey*> openKeys;

bool EqualIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        char ca = (*a >= 'A' && *a <= 'Z') ? *a - 'A' + 'a' : *a;
        char cb = (*b >= 'A' && *b <= 'Z') ? *b - 'A' + 'a' : *b;
        if (ca != cb) return false;
    }
    return *a == *b;
}

OpenKey* FindKey(HKEY hKey) {
    auto* key = reinterpret_cast<OpenKey*>(hKey);
    return openKeys.count(key) ? key : nullptr;
}

// Hands out one value: the size in *lpcbData, the bytes when they fit.
LSTATUS ReturnValue(DWORD type, const void* bytes, DWORD size, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    if (lpData && !lpcbData) return ERROR_INVALID_PARAMETER;
    if (lpType) *lpType = type;
    LSTATUS status = ERROR_SUCCESS;
    if (lpData) {
        if (*lpcbData < size) status = ERROR_MORE_DATA;
        else std::memcpy(lpData, bytes, size);
    }
    if (lpcbData) *lpcbData = size;
    return status;
}

}  // namespace

LSTATUS RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult) {
    if (!phkResult) return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    if (hKey != HKEY_LOCAL_MACHINE) return ERROR_INVALID_HANDLE;
    if (!lpSubKey || !EqualIgnoringCase(lpSubKey, processorKey)) return ERROR_FILE_NOT_FOUND;
    auto facts = ReadProcessorFacts();
    if (!facts) return ERROR_FILE_NOT_FOUND;
    auto* key = new (std::nothrow) OpenKey{*facts};
    if (!key) return ERROR_NOT_ENOUGH_MEMORY;
    openKeys.insert(key);
    *phkResult = reinterpret_cast<HKEY>(key);
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                         LPDWORD lpcbData) {
    OpenKey* key = FindKey(hKey);
    if (!key) return ERROR_INVALID_HANDLE;
    if (lpReserved) return ERROR_INVALID_PARAMETER;
    if (lpValueName && EqualIgnoringCase(lpValueName, "ProcessorNameString") && key->facts.name) {
        const std::string& name = *key->facts.name;
        return ReturnValue(REG_SZ, name.c_str(), static_cast<DWORD>(name.size() + 1), lpType, lpData, lpcbData);
    }
    if (lpValueName && EqualIgnoringCase(lpValueName, "~MHz") && key->facts.mhz) {
        DWORD mhz = static_cast<DWORD>(*key->facts.mhz);
        return ReturnValue(REG_DWORD, &mhz, sizeof mhz, lpType, lpData, lpcbData);
    }
    return ERROR_FILE_NOT_FOUND;
}

LSTATUS RegCloseKey(HKEY hKey) {
    OpenKey* key = FindKey(hKey);
    if (!key) return ERROR_INVALID_HANDLE;
    openKeys.erase(key);
    delete key;
    return ERROR_SUCCESS;
}
