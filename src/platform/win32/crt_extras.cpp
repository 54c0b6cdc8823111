// The Microsoft C runtime extras: wide-string number reading and comparing,
// integer to text, bounded formatting.
#include <crt_extras.h>

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cwctype>

namespace {

wchar_t FoldAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? c - L'A' + L'a' : c; }

// The bounded write shared by sprintf_s and _snprintf_s: at most `limit`
// characters and the terminator; -1 when the result was cut.
int BoundedFormat(char* buffer, size_t sizeOfBuffer, size_t limit, const char* format, va_list args) {
    if (!buffer || sizeOfBuffer == 0 || !format) {
        errno = EINVAL;
        return -1;
    }
    if (limit > sizeOfBuffer - 1) limit = sizeOfBuffer - 1;
    int length = std::vsnprintf(buffer, limit + 1, format, args);
    if (length < 0) {
        buffer[0] = 0;
        return -1;
    }
    return static_cast<size_t>(length) > limit ? -1 : length;
}

}  // namespace

int _wtoi(const wchar_t* str) {
    if (!str) return 0;
    while (std::iswspace(static_cast<wint_t>(*str))) ++str;
    bool negative = false;
    if (*str == L'+' || *str == L'-') negative = *str++ == L'-';
    long long value = 0;
    for (; *str >= L'0' && *str <= L'9'; ++str) {
        value = value * 10 + (*str - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;  // saturated
    }
    if (negative) return value > INT_MAX ? INT_MIN : static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

int _wcsicmp(const wchar_t* a, const wchar_t* b) {
    for (;; ++a, ++b) {
        wchar_t ca = FoldAscii(*a), cb = FoldAscii(*b);
        if (ca != cb || ca == 0) return ca < cb ? -1 : ca > cb ? 1 : 0;
    }
}

errno_t _itoa_s(int value, char* buffer, size_t size, int radix) {
    if (!buffer || size == 0) return EINVAL;
    buffer[0] = 0;
    if (radix < 2 || radix > 36) return EINVAL;
    char digits[40];
    int n = 0;
    bool negative = radix == 10 && value < 0;
    unsigned int u = negative ? 0u - static_cast<unsigned int>(value) : static_cast<unsigned int>(value);
    do {
        unsigned d = u % static_cast<unsigned>(radix);
        digits[n++] = static_cast<char>(d < 10 ? '0' + d : 'a' + d - 10);
        u /= static_cast<unsigned>(radix);
    } while (u);
    size_t needed = static_cast<size_t>(n) + (negative ? 1 : 0) + 1;
    if (needed > size) return ERANGE;
    char* out = buffer;
    if (negative) *out++ = '-';
    while (n) *out++ = digits[--n];
    *out = 0;
    return 0;
}

int sprintf_s(char* buffer, size_t sizeOfBuffer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int result = BoundedFormat(buffer, sizeOfBuffer, sizeOfBuffer ? sizeOfBuffer - 1 : 0, format, args);
    va_end(args);
    return result;
}

int _snprintf_s(char* buffer, size_t sizeOfBuffer, size_t count, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int result = BoundedFormat(buffer, sizeOfBuffer, count, format, args);
    va_end(args);
    return result;
}
