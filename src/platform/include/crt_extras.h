#pragma once
// The Microsoft C runtime extras that kordane02 uses, for the Linux stand-in.
#include <cstddef>
#include <cwchar>

typedef int errno_t;

// Passed as the count of _snprintf_s: write what fits, cut the rest.
#define _TRUNCATE ((size_t)-1)

// Leading white space, one sign, decimal digits up to the first other
// character; 0 without digits. Saturates at INT_MAX / INT_MIN on overflow.
int _wtoi(const wchar_t* str);

// Compares two wide strings, folding A-Z to a-z; <0, 0 or >0.
int _wcsicmp(const wchar_t* a, const wchar_t* b);

// Writes `value` in `radix` (2..36) into `buffer` of `size` characters with
// the terminator. Base 10 writes a sign; other bases write the bits of the
// unsigned value. Returns 0, EINVAL for bad arguments or ERANGE when the
// text does not fit (the buffer then holds the empty string).
errno_t _itoa_s(int value, char* buffer, size_t size, int radix);

// Bounded formatting: never writes more than sizeOfBuffer characters
// including the terminator. A result that does not fit is cut to
// sizeOfBuffer - 1 characters and -1 is returned; otherwise the length.
// A null buffer or a size of 0 returns -1 and writes nothing.
int sprintf_s(char* buffer, size_t sizeOfBuffer, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// As sprintf_s, and also at most `count` characters (or _TRUNCATE: as many
// as fit). Returns -1 when the result was cut.
int _snprintf_s(char* buffer, size_t sizeOfBuffer, size_t count, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
