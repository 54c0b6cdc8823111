// The processor description from the registry key of the first processor.
#include "cpu/processor_note.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

namespace {

constexpr DWORD kValueBufferSize = 1024;

}  // namespace

std::string ProcessorNote() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Hardware\\Description\\System\\CentralProcessor\\0", 0, KEY_QUERY_VALUE,
                      &key) != ERROR_SUCCESS) {
        return "Unknown\n\n";
    }
    std::string note(1, ' ');
    char value[kValueBufferSize] = {};
    DWORD size = kValueBufferSize;
    if (RegQueryValueExA(key, "ProcessorNameString", nullptr, nullptr, reinterpret_cast<LPBYTE>(value), &size) ==
        ERROR_SUCCESS) {
        // The text may come without its terminator: never read past
        // what the query returned.
        const std::size_t length = size < kValueBufferSize ? size : kValueBufferSize;
        note.append(value, strnlen(value, length));
    } else {
        note += "UnknownProc";
    }
    note += " ( ";
    std::memset(value, 0, sizeof value);
    size = kValueBufferSize;
    if (RegQueryValueExA(key, "~MHz", nullptr, nullptr, reinterpret_cast<LPBYTE>(value), &size) == ERROR_SUCCESS) {
        int32_t mhz = 0;
        std::memcpy(&mhz, value, sizeof mhz);
        char text[kValueBufferSize] = {};
        _itoa_s(mhz, text, sizeof text, 10);
        note += text;
        note += "MHz";
    } else {
        note += "UnknownFreq";
    }
    note += " ) ";
    RegCloseKey(key);
    note += "\n\n";
    return note;
}
