// The process command line: the UTF-8 arguments of main become one wide
// command line joined with the Windows quoting rules, and CommandLineToArgvW
// splits a wide command line with the Windows rules.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "win32_hooks.h"

namespace {

std::wstring commandLine;
std::string commandLineTail;  // the arguments after the program name, UTF-8
std::wstring programName;

// Decodes UTF-8; a byte that does not start a valid sequence becomes U+FFFD.
std::wstring FromUtf8(const char* text) {
    std::wstring out;
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    while (*s) {
        unsigned c = *s;
        int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0) {
            out += L'\uFFFD';
            ++s;
            continue;
        }
        unsigned code = extra == 0 ? c : c & (0x3F >> extra);
        int i = 1;
        for (; i <= extra; ++i) {
            if ((s[i] & 0xC0) != 0x80) break;
            code = (code << 6) | (s[i] & 0x3F);
        }
        static const unsigned minimum[4] = {0, 0x80, 0x800, 0x10000};
        if (i <= extra || code < minimum[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            out += L'\uFFFD';
            s += i;  // skip the bytes looked at, resynchronise on the next lead byte
            continue;
        }
        out += static_cast<wchar_t>(code);
        s += extra + 1;
    }
    return out;
}

// Quotes one argument so that the Windows splitting rules give it back.
template <class String>
String QuoteArgument(const String& arg) {
    using Char = typename String::value_type;
    bool plain = !arg.empty();
    for (Char c : arg)
        if (c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '"') plain = false;
    if (plain) return arg;
    String out(1, Char('"'));
    size_t backslashes = 0;
    for (Char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') out.append(backslashes * 2 + 1, Char('\\'));
        else out.append(backslashes, Char('\\'));
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, Char('\\'));  // they stand before the closing quote
    out += Char('"');
    return out;
}

// The program name follows its own rule when split: quoted up to the next
// quote, else up to white space. A name that needs quoting is quoted whole.
std::wstring QuoteProgramName(const std::wstring& name) {
    bool needsQuotes = name.empty() || name.find_first_of(L" \t") != std::wstring::npos;
    return needsQuotes ? L"\"" + name + L"\"" : name;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

void KdSetProcessArguments(int argc, const char* const* argv) {
    programName = argc > 0 && argv[0] ? FromUtf8(argv[0]) : L"kordane02";
    commandLine = QuoteProgramName(programName);
    commandLineTail.clear();
    for (int i = 1; i < argc; ++i) {
        commandLine += L' ';
        commandLine += QuoteArgument(FromUtf8(argv[i]));
        if (i > 1) commandLineTail += ' ';
        commandLineTail += QuoteArgument(std::string(argv[i]));
    }
}

LPSTR KdCommandLineTailA() { return commandLineTail.data(); }

LPWSTR GetCommandLineW() { return commandLine.data(); }

LPWSTR* CommandLineToArgvW(LPCWSTR lpCmdLine, int* pNumArgs) {
    if (!lpCmdLine || !pNumArgs) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::vector<std::wstring> args;
    const wchar_t* s = lpCmdLine;
    if (*s == 0) {
        // An empty command line stands for the program alone.
        args.push_back(programName);
    } else {
        // The program name: no backslash or doubled-quote processing.
        std::wstring name;
        if (*s == L'"') {
            ++s;
            while (*s && *s != L'"') name += *s++;
            if (*s) ++s;
        } else {
            while (*s && !IsBlank(*s)) name += *s++;
        }
        args.push_back(name);
        while (IsBlank(*s)) ++s;

        // The other arguments. `quotes` counts the quotes that are open:
        // 2n backslashes and a quote give n backslashes and toggle quoting,
        // 2n+1 give n backslashes and a literal quote; inside quotes, every
        // third quote in a row is a literal quote.
        while (*s) {
            std::wstring arg;
            int quotes = 0;
            size_t backslashes = 0;
            while (*s && !(quotes == 0 && IsBlank(*s))) {
                if (*s == L'\\') {
                    ++backslashes;
                    arg += *s++;
                    continue;
                }
                if (*s == L'"') {
                    arg.resize(arg.size() - backslashes / 2);
                    if (backslashes % 2 == 0) {
                        ++quotes;
                    } else {
                        arg.back() = L'"';
                    }
                    backslashes = 0;
                    ++s;
                    while (*s == L'"') {
                        if (++quotes == 3) {
                            arg += L'"';
                            quotes = 0;
                        }
                        ++s;
                    }
                    if (quotes == 2) quotes = 0;
                    continue;
                }
                backslashes = 0;
                arg += *s++;
            }
            args.push_back(arg);
            while (IsBlank(*s)) ++s;
        }
    }

    // One block, freed by LocalFree: the pointer array, then the strings.
    size_t bytes = (args.size() + 1) * sizeof(LPWSTR);
    for (const auto& a : args) bytes += (a.size() + 1) * sizeof(wchar_t);
    auto* block = static_cast<unsigned char*>(std::malloc(bytes));
    if (!block) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto* argv = reinterpret_cast<LPWSTR*>(block);
    auto* text = reinterpret_cast<wchar_t*>(block + (args.size() + 1) * sizeof(LPWSTR));
    for (size_t i = 0; i < args.size(); ++i) {
        argv[i] = text;
        std::memcpy(text, args[i].c_str(), (args[i].size() + 1) * sizeof(wchar_t));
        text += args[i].size() + 1;
    }
    argv[args.size()] = nullptr;
    *pNumArgs = static_cast<int>(args.size());
    return argv;
}

HLOCAL LocalFree(HLOCAL hMem) {
    std::free(hMem);
    return nullptr;
}
