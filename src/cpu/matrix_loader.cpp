// Fast reading of the matrix values with the exact outcome of the "%f " scan.
//
// The rest of the file is read into memory at once. A value in the plain
// form that the generator and most editors write (optional sign, digits,
// optional fraction and exponent, then white space or the end) is converted
// here, correctly rounded like the scan's own conversion. Anything else is
// handed to fscanf itself at that very offset, and reading goes on from
// wherever the scan left the stream, so that unusual text (inf, nan, hex
// numbers, partial numbers, stray characters) behaves exactly as the scan
// makes it behave.
#include "cpu/matrix_loader.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <system_error>

namespace {

// The white space of the C locale: what the scan's directives skip.
inline bool IsScanSpace(unsigned char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); }

inline bool IsDigit(unsigned char ch) { return static_cast<unsigned char>(ch - '0') < 10; }

// Longer tokens go to the scan: it keeps them from overflowing or
// underflowing the conversion here.
constexpr std::ptrdiff_t kMaxPlainToken = 40;

// Converts the plain number that starts at `p` and returns the end of it,
// or null when the text there is anything else (the scan then decides).
const char* ConvertPlain(const char* p, const char* end, float& value) {
    const char* start = p;
    bool negative = false;
    if (*p == '-' || *p == '+') {
        negative = *p == '-';
        ++p;
    }
    const char* digits = p;
    // Short integers, the generator's values: exact without conversion.
    std::uint32_t small = 0;
    while (p < end && IsDigit(*p) && p - digits < 8) small = small * 10 + static_cast<std::uint32_t>(*p++ - '0');
    if (p > digits && p - digits < 8 && (p == end || IsScanSpace(*p))) {
        const float magnitude = static_cast<float>(small);
        value = negative ? -magnitude : magnitude;
        return p;
    }
    p = digits;
    // General decimal form: digits, fraction, exponent.
    std::ptrdiff_t mantissaDigits = 0;
    while (p < end && IsDigit(*p)) ++p, ++mantissaDigits;
    if (p < end && *p == '.') {
        ++p;
        while (p < end && IsDigit(*p)) ++p, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return nullptr;
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p < end && (*p == '-' || *p == '+')) ++p;
        const char* expDigits = p;
        while (p < end && IsDigit(*p)) ++p;
        if (p == expDigits) return nullptr;
    }
    if (p < end && !IsScanSpace(*p)) return nullptr;
    if (p - start > kMaxPlainToken) return nullptr;
    float magnitude = 0.0f;
    const std::from_chars_result r = std::from_chars(digits, p, magnitude, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != p) return nullptr;
    value = negative ? -magnitude : magnitude;
    return p;
}

// The rest of the stream from its current position, or null when it can't
// be read into memory (the caller then scans with the stream itself).
char* ReadRest(std::FILE* file, std::size_t& size) {
    struct stat st;
    const long here = std::ftell(file);
    std::size_t capacity = 1 << 16;
    if (here >= 0 && fstat(fileno(file), &st) == 0 && st.st_size > here)
        capacity = static_cast<std::size_t>(st.st_size - here) + 1;
    char* text = static_cast<char*>(std::malloc(capacity));
    size = 0;
    while (text) {
        size += std::fread(text + size, 1, capacity - size, file);
        if (size < capacity) break;
        char* grown = static_cast<char*>(std::realloc(text, capacity * 2));
        if (!grown) std::free(text);
        text = grown;
        capacity *= 2;
    }
    if (text && std::ferror(file)) {
        std::free(text);
        text = nullptr;
    }
    return text;
}

template <class T>
void ScanWithStream(std::FILE* file, T* values, std::size_t count, float& temp) {
    for (std::size_t k = 0; k < count; ++k) {
        const int scanned = std::fscanf(file, "%f ", &temp);  // a failed scan keeps temp
        (void)scanned;
        values[k] = static_cast<T>(temp);
    }
}

template <class T>
void Scan(std::FILE* file, T* values, std::size_t count, float& temp) {
    if (count == 0) return;
    const long base = std::ftell(file);
    std::size_t size = 0;
    char* text = base >= 0 ? ReadRest(file, size) : nullptr;
    if (!text) {
        if (base >= 0) std::fseek(file, base, SEEK_SET);
        ScanWithStream(file, values, count, temp);
        return;
    }
    // Unusual text is scanned from a stream over the same bytes in memory:
    // the same scanner as on the file, without a read from the file for
    // every such value. Where no memory stream can be had, the file itself
    // serves.
    std::FILE* scanStream = nullptr;
    long scanBase = 0;
    char smallBuffer[64];

    const char* p = text;
    const char* end = text + size;
    const char* streamAt = nullptr;  // where the scan stream stands, if it stands in the text
    std::size_t k = 0;
    for (; k < count; ++k) {
        const char* beforeSpace = p;
        while (p < end && IsScanSpace(static_cast<unsigned char>(*p))) ++p;
        if (p == end) break;  // every further scan fails at the end of the file
        float value;
        if (const char* next = ConvertPlain(p, end, value)) {
            temp = value;
            values[k] = static_cast<T>(temp);
            p = next;
            continue;
        }
        // Unusual text: the scan itself takes this element.
        if (!scanStream) {
            scanStream = fmemopen(text, size, "r");
            if (scanStream) {
                // A seek drops the stream's buffer: keep it small.
                std::setvbuf(scanStream, smallBuffer, _IOFBF, sizeof smallBuffer);
            } else {
                scanStream = file;
                scanBase = base;
            }
        }
        // The stream skips white space itself: no seek when it stands
        // just before the white space in front of this element.
        const long at = scanBase + static_cast<long>(p - text);
        const bool positioned = streamAt == beforeSpace || std::fseek(scanStream, at, SEEK_SET) == 0;
        const int scanned = positioned ? std::fscanf(scanStream, "%f ", &temp) : 0;
        const long after = positioned ? std::ftell(scanStream) : -1;
        values[k] = static_cast<T>(temp);
        // A stream over a file or over memory never loses its position;
        // should it, the rest repeats the value.
        if (after < scanBase || after - scanBase > static_cast<long>(size)) break;
        if (scanned != 1 && after == at) {
            ++k;
            break;  // stuck on text the scan never takes: the rest repeats
        }
        p = text + (after - scanBase);
        streamAt = p;
    }
    for (; k < count; ++k) values[k] = static_cast<T>(temp);
    if (scanStream && scanStream != file) std::fclose(scanStream);
    std::free(text);
}

}  // namespace

void ScanMatrixValues(std::FILE* file, float* values, std::size_t count, float& temp) {
    Scan(file, values, count, temp);
}

void ScanMatrixValues(std::FILE* file, double* values, std::size_t count, float& temp) {
    Scan(file, values, count, temp);
}
