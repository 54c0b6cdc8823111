#include <gtest/gtest.h>

#include <map>

#include "preprocessor.h"

namespace hlsl {
namespace {

// Spelling and "file:line:col" of every token the preprocessor returns.
std::string Positions(const std::string& src, const std::map<std::string, std::string>& files = {},
                std::vector<Diagnostic>* diags = nullptr)
{
    Diagnostics d;
    FileReader reader = [&](const std::string& path, std::string& contents) {
        auto it = files.find(path);
        if (it == files.end()) return false;
        contents = it->second;
        return true;
    };
    std::vector<Token> toks = Preprocess(src, "dir/main.fx", reader, d);
    std::string s;
    for (const Token& t : toks) {
        if (t.kind == TokKind::End) break;
        if (!s.empty()) s += ' ';
        s += (t.kind == TokKind::String ? "\"" + t.text + "\"" : t.text) + "@" + d.Name(t.loc.file) + ":" +
             std::to_string(t.loc.line) + ":" + std::to_string(t.loc.column);
    }
    if (diags) *diags = d.Take();
    return s;
}

// Spellings only.
std::string Spellings(const std::string& src, std::vector<Diagnostic>* diags = nullptr)
{
    std::string got = Positions(src, {}, diags), spell;
    for (size_t i = 0; i < got.size();) {
        size_t at = got.find('@', i), sp = got.find(' ', at);
        spell += got.substr(i, at - i);
        if (sp == std::string::npos) break;
        spell += ' ';
        i = sp + 1;
    }
    return spell;
}

TEST(Preprocessor, TokensKeepTheirOriginalPositions)
{
    struct Case {
        const char* name;
        std::string src;
        std::string want;
    };
    const Case cases[] = {
        {"plain", "a\n  b c", "a@dir/main.fx:1:1 b@dir/main.fx:2:3 c@dir/main.fx:2:5"},
        {"comments and continuation", "/* x\n y */ a // z\n\\\nb",
         "a@dir/main.fx:2:7 b@dir/main.fx:4:1"},
        {"object macro takes the invocation's place", "#define TWO 1 + 1\n  x = TWO;",
         "x@dir/main.fx:2:3 =@dir/main.fx:2:5 1@dir/main.fx:2:7 +@dir/main.fx:2:7 1@dir/main.fx:2:7 "
         ";@dir/main.fx:2:10"},
        {"line directive", "a\n#line 100\nb\n#line 7 \"other.fx\"\nc",
         "a@dir/main.fx:1:1 b@dir/main.fx:100:1 c@other.fx:7:1"},
        {"builtin line", "\n__LINE__", "2@dir/main.fx:2:1"},
    };
    for (const Case& c : cases) EXPECT_EQ(Positions(c.src), c.want) << c.name;
}

TEST(Preprocessor, MacrosExpandAsInC)
{
    struct Case {
        const char* src;
        const char* want;  // spellings only
    };
    const Case cases[] = {
        {"#define F(a, b) a * (b)\nF(x + 1, y)", "x + 1 * ( y )"},
        {"#define F(a) [a]\n#define G F(1) F\nG(2)", "[ 1 ] [ 2 ]"},
        {"#define S(a) #a\nS(p + q)", "\"p + q\""},
        {"#define P(a, b) a ## b\nP(float, 4) P(x, )", "float4 x"},
        {"#define R R + 1\nR", "R + 1"},
        {"#define F(x) G(x)\n#define G(x) F(x)\nF(1)", "F ( 1 )"},
        {"#define V(...) f(__VA_ARGS__)\nV(1, 2)", "f ( 1 , 2 )"},
        {"#define F(a) a\nF\n(3) F", "3 F"},
        {"#define E\n#undef E\nE", "E"},
    };
    for (const Case& c : cases) EXPECT_EQ(Spellings(c.src), c.want) << c.src;
}

TEST(Preprocessor, ConditionalsSelectTheirBranch)
{
    struct Case {
        const char* src;
        const char* want;
    };
    const Case cases[] = {
        {"#if 1 + 2 * 3 == 7\na\n#else\nb\n#endif", "a"},
        {"#define X 2\n#if X > 3\na\n#elif defined(X) && X == 2\nb\n#else\nc\n#endif", "b"},
        {"#ifdef NOPE\na\n#elif 1\nb\n#endif\n#ifndef NOPE\nc\n#endif", "b c"},
        {"#if 0\n#if 1\na\n#else\nb\n#endif\n$$ \"unterminated\n#else\nc\n#endif", "c"},
        {"#if (1 ? 2 : 3) - 2 || -1 < 0\na\n#endif", "a"},
        {"#if UNKNOWN\na\n#else\nb\n#endif", "b"},
    };
    for (const Case& c : cases) {
        std::vector<Diagnostic> diags;
        EXPECT_EQ(Spellings(c.src, &diags), c.want) << c.src;
        EXPECT_TRUE(diags.empty()) << c.src << ": " << FormatDiagnostics(diags);
    }
}

TEST(Preprocessor, IncludeIsRelativeToTheIncludingFileAndHonoursPragmaOnce)
{
    std::map<std::string, std::string> files = {
        {"dir/inc/a.fxh", "#pragma once\nA\n#include \"b.fxh\""},
        {"dir/inc/b.fxh", "B"},
    };
    EXPECT_EQ(Positions("#include \"inc/a.fxh\"\n#include \"inc/a.fxh\"\nM", files),
              "A@dir/inc/a.fxh:2:1 B@dir/inc/b.fxh:1:1 M@dir/main.fx:3:1");
    EXPECT_EQ(Positions("#define HEADER \"inc/b.fxh\"\n#include HEADER", files), "B@dir/inc/b.fxh:1:1");
}

TEST(Preprocessor, ReportsDirectiveErrorsAtTheirPlace)
{
    struct Case {
        const char* src;
        const char* code;
        int line, column;
    };
    const Case cases[] = {
        {"\n#error stop here", "X1003", 2, 2},
        {"#include \"missing.fxh\"", "X1507", 1, 2},
        {"#if 1\n", "X1000", 1, 1},
        {"#endif", "X1000", 1, 2},
        {"#define F(a) a\nF(1, 2)", "X1000", 2, 1},
        {"#if 1 / 0\n#endif", "X1000", 1, 7},
        {"#bogus", "X1000", 1, 2},
        {"#include \"main.fx\"", "X1010", 1, 2},  // includes itself until the depth limit
    };
    for (const Case& c : cases) {
        std::vector<Diagnostic> diags;
        Positions(c.src, {{"dir/main.fx", c.src}}, &diags);
        ASSERT_FALSE(diags.empty()) << c.src;
        EXPECT_EQ(diags[0].code, c.code) << c.src;
        EXPECT_EQ(diags[0].line, c.line) << c.src;
        EXPECT_EQ(diags[0].column, c.column) << c.src;
    }
}

}  // namespace
}  // namespace hlsl
