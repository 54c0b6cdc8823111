// Error: the message box, the debugger channel and the end of the run.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "globals.h"
#include "report.h"

namespace {

const char debugSuffix[] = " (KD DEBUG)\n";

bool IsIntConversion(char c) { return c != 0 && std::strchr("diuxX", c) != nullptr; }

// `text` may come from elsewhere (an effect compiler's message, say) and
// hold percent signs. Only its first conversion that prints one int (d, i,
// u, x or X, with the flags - and 0, a width and a precision) takes `code`;
// every other percent sign is printed as it stands instead of reading an
// argument that is not there. "100% of" stays text.
std::string SafeFormat(const char* text) {
    std::string format;
    bool codeUsed = false;
    for (const char* p = text; *p; ++p) {
        if (*p != '%') {
            format += *p;
            continue;
        }
        if (p[1] == '%') {
            format += "%%";
            ++p;
            continue;
        }
        const char* q = p + 1;
        while (*q == '-' || *q == '0') ++q;
        while (*q >= '0' && *q <= '9') ++q;
        if (*q == '.') {
            ++q;
            while (*q >= '0' && *q <= '9') ++q;
        }
        if (!codeUsed && IsIntConversion(*q)) {
            format.append(p, q + 1);
            codeUsed = true;
            p = q;
        } else {
            format += "%%";
        }
    }
    return format;
}

}  // namespace

void Error(const char* text, bool end, int code) {
    std::string format = SafeFormat(text ? text : "");
    // The bounded write: at most 1024 characters, a longer message is cut.
    _snprintf_s(buf, TEXT_BUFFER_SIZE, _TRUNCATE, format.c_str(), code);
    MessageBoxA(nullptr, buf, "Error!", MB_OK);

    // The suffix takes only the room left up to 1024 characters.
    size_t length = std::strlen(buf);
    size_t room = TEXT_BUFFER_SIZE - 1 - length;
    std::strncat(buf, debugSuffix, room);
    OutputDebugStringA(buf);

    if (end) std::exit(-1);
}
