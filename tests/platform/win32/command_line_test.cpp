#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32_hooks.h"

namespace {

std::vector<std::wstring> Split(const wchar_t* line) {
    int count = -1;
    LPWSTR* argv = CommandLineToArgvW(line, &count);
    EXPECT_NE(argv, nullptr);
    std::vector<std::wstring> out;
    if (!argv) return out;
    for (int i = 0; i < count; ++i) out.push_back(argv[i]);
    EXPECT_EQ(argv[count], nullptr);
    LocalFree(argv);
    return out;
}

using Args = std::vector<std::wstring>;

TEST(CommandLineToArgvW, WindowsSplittingRules) {
    struct Case {
        const wchar_t* line;
        Args expected;
    };
    const Case cases[] = {
        {L"prog", {L"prog"}},
        {L"prog a b", {L"prog", L"a", L"b"}},
        {L"prog  \t a\t\tb  ", {L"prog", L"a", L"b"}},
        {L"\"C:\\Program Files\\k.exe\" x", {L"C:\\Program Files\\k.exe", L"x"}},
        // the program name takes no backslash rules
        {L"C:\\dir\\\"k x", {L"C:\\dir\\\"k", L"x"}},
        {L"prog \"a b\" c", {L"prog", L"a b", L"c"}},
        {L"prog a\"b c\"d", {L"prog", L"ab cd"}},
        {L"prog \"\"", {L"prog", L""}},
        {L"prog a\\\\b", {L"prog", L"a\\\\b"}},          // backslashes without a quote stay
        {L"prog a\\\"b", {L"prog", L"a\"b"}},            // 1 backslash + quote: literal quote
        {L"prog a\\\\\"b c\"", {L"prog", L"a\\b c"}},     // 2 backslashes + quote: 1 and open quote
        {L"prog a\\\\\\\"b", {L"prog", L"a\\\"b"}},       // 3 backslashes + quote
        {L"prog \"a\"\"b\" c", {L"prog", L"a\"b c"}},     // "" inside quotes: a quote, quoting ends
        {L"prog \"a\"\"\"b c\"", {L"prog", L"a\"b c"}},
        {L"prog a\"\"b", {L"prog", L"ab"}},                // "" outside quotes: nothing
        {L"prog \"unterminated arg", {L"prog", L"unterminated arg"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Split(c.line), c.expected) << std::wstring(c.line).size();
}

TEST(CommandLineToArgvW, BadArgumentsFail) {
    int count = 0;
    EXPECT_EQ(CommandLineToArgvW(nullptr, &count), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(CommandLineToArgvW(L"prog", nullptr), nullptr);
}

TEST(GetCommandLineW, JoinedArgumentsSplitBackUnchanged) {
    struct Case {
        std::vector<const char*> argv;  // UTF-8, as main receives them
        Args expected;
    };
    const Case cases[] = {
        {{"/usr/bin/kordane02"}, {L"/usr/bin/kordane02"}},
        {{"/my dir/kordane02", "100", "CPU"}, {L"/my dir/kordane02", L"100", L"CPU"}},
        {{"k", "a b", "", "tab\there", "q\"uote", "end\\", "both \\\" and\\\\", "\\\\\""},
         {L"k", L"a b", L"", L"tab\there", L"q\"uote", L"end\\", L"both \\\" and\\\\", L"\\\\\""}},
        {{"k", "caf\xc3\xa9", "\xe2\x82\xac", "\xf0\x9f\x98\x80", "\xff!", "\xc0\xaf"},
         {L"k", L"caf\u00e9", L"\u20ac", L"\U0001F600", L"\uFFFD!", L"\uFFFD"}},
    };
    for (const auto& c : cases) {
        KdSetProcessArguments(static_cast<int>(c.argv.size()), c.argv.data());
        EXPECT_EQ(Split(GetCommandLineW()), c.expected);
    }
    // An empty command line stands for the program alone.
    EXPECT_EQ(Split(L""), (Args{L"k"}));
}

}  // namespace
