// The command line: help switches, numbers read like _wtoi, keywords.
#include "command_line.h"

#include "globals.h"

namespace {

const LPCWSTR helpSwitches[] = {L"--help", L"-h", L"help", L"/h", L"/help"};

enum class Flag { Nothing, NoRun, FixedBoth, FixedOut, FixedIn };

struct Keyword {
    LPCWSTR text;
    int style;
    Flag flag;
};

// In the order they are tried; the first match applies.
const Keyword keywords[] = {
    {L"CPU", STYLE_CPU, Flag::Nothing},
    {L"DX9", STYLE_DX9, Flag::Nothing},
    {L"DX10", STYLE_DX10, Flag::Nothing},
    {L"FSTR", STYLE_FSTR, Flag::Nothing},
    {L"FIRESTREAM", STYLE_FSTR, Flag::Nothing},
    {L"CUDA", STYLE_CUDA, Flag::Nothing},
    {L"NONE", 0, Flag::NoRun},
    {L"PRECCOMP", STYLE_PRECCOMP, Flag::Nothing},
    {L"CPU2", STYLE_CPU2, Flag::Nothing},
    {L"MULMAT", STYLE_MULMAT, Flag::Nothing},
    {L"FIXED", 0, Flag::FixedBoth},
    {L"FIXEDOUT", 0, Flag::FixedOut},
    {L"FIXEDIN", 0, Flag::FixedIn},
};

bool IsHelpSwitch(LPCWSTR arg) {
    for (LPCWSTR s : helpSwitches)
        if (_wcsicmp(arg, s) == 0) return true;
    return false;
}

void ApplyKeyword(LPCWSTR arg, CommandLine& line) {
    for (const Keyword& k : keywords) {
        if (_wcsicmp(arg, k.text) != 0) continue;
        line.style |= k.style;
        if (k.flag == Flag::NoRun) line.none = true;
        if (k.flag == Flag::FixedBoth || k.flag == Flag::FixedIn) line.fixedIn = true;
        if (k.flag == Flag::FixedBoth || k.flag == Flag::FixedOut) line.fixedOut = true;
        return;
    }
}

}  // namespace

CommandLine ParseArguments(int argc, const LPCWSTR* argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        LPCWSTR arg = argv[i];
        if (IsHelpSwitch(arg)) {
            line.help = true;
            return line;
        }
        int value = _wtoi(arg);
        if (value > 0) {
            if (!line.sizeSeen) {
                line.size = value;
                line.sizeSeen = true;
            } else {
                line.iterations = value;
            }
        }
        ApplyKeyword(arg, line);
    }
    return line;
}

CommandLine ReadCommandLine() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv) return CommandLine{};
    CommandLine line = ParseArguments(argc, argv);
    LocalFree(argv);
    return line;
}
