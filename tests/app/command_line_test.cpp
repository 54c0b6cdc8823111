#include "command_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "globals.h"

namespace {

CommandLine Parse(std::vector<LPCWSTR> args) {
    args.insert(args.begin(), L"kordane02");
    return ParseArguments(static_cast<int>(args.size()), args.data());
}

TEST(CommandLine, ArgumentsBecomeTheRunConfiguration) {
    struct Case {
        std::vector<LPCWSTR> args;
        CommandLine expected;
    };
    auto make = [](int size, bool seen, int iter, int style, bool none = false, bool in = false, bool out = false) {
        CommandLine c;
        c.size = size;
        c.sizeSeen = seen;
        c.iterations = iter;
        c.style = style;
        c.none = none;
        c.fixedIn = in;
        c.fixedOut = out;
        return c;
    };
    const Case cases[] = {
        {{}, make(0, false, 1, 0)},
        {{L"100", L"5", L"CPU"}, make(100, true, 5, STYLE_CPU)},
        {{L"5", L"7", L"9"}, make(5, true, 9, 0)},                 // the last iteration count wins
        {{L"0", L"-3"}, make(0, false, 1, 0)},                     // zero and negatives are ignored
        {{L"12abc"}, make(12, true, 1, 0)},                        // digits then letters: a number
        {{L" +8", L"x9"}, make(8, true, 1, 0)},
        {{L"99999999999"}, make(2147483647, true, 1, 0)},          // saturates
        {{L"cpu", L"Cpu2", L"dx9", L"dX10"}, make(0, false, 1, STYLE_CPU | STYLE_CPU2 | STYLE_DX9 | STYLE_DX10)},
        {{L"FSTR", L"firestream", L"CPU", L"CPU"}, make(0, false, 1, STYLE_FSTR | STYLE_CPU)},
        {{L"CUDA", L"PRECCOMP", L"mulmat"}, make(0, false, 1, STYLE_CUDA | STYLE_PRECCOMP | STYLE_MULMAT)},
        {{L"none"}, make(0, false, 1, 0, true)},
        {{L"FIXED", L"100", L"3"}, make(100, true, 3, 0, false, true, true)},
        {{L"fixedout"}, make(0, false, 1, 0, false, false, true)},
        {{L"FIXEDIN", L"4"}, make(4, true, 1, 0, false, true, false)},
        {{L"CPU ", L"GPU", L"", L"-h1", L"FIXED2"}, make(0, false, 1, 0)},  // neither number nor keyword
    };
    for (const auto& c : cases) {
        CommandLine got = Parse(c.args);
        const CommandLine& e = c.expected;
        SCOPED_TRACE(c.args.empty() ? L"(none)" : c.args[0]);
        EXPECT_FALSE(got.help);
        EXPECT_EQ(got.size, e.size);
        EXPECT_EQ(got.sizeSeen, e.sizeSeen);
        EXPECT_EQ(got.iterations, e.iterations);
        EXPECT_EQ(got.style, e.style);
        EXPECT_EQ(got.none, e.none);
        EXPECT_EQ(got.fixedIn, e.fixedIn);
        EXPECT_EQ(got.fixedOut, e.fixedOut);
    }
}

TEST(CommandLine, HelpSwitchesStopTheReading) {
    for (LPCWSTR s : {L"--help", L"-H", L"HELP", L"/h", L"/Help"}) {
        CommandLine got = Parse({L"100", L"CPU", s, L"7", L"DX9"});
        EXPECT_TRUE(got.help);
        EXPECT_EQ(got.iterations, 1);       // nothing after the switch was read
        EXPECT_EQ(got.style, STYLE_CPU);
    }
    EXPECT_FALSE(Parse({L"--h", L"-help", L"h"}).help);
}

}  // namespace
