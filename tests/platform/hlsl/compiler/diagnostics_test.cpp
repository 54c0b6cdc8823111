#include <gtest/gtest.h>

#include "hlsl/effect.h"

namespace hlsl {
namespace {

const char* const kTechnique = "\ntechnique T { pass P { PixelShader = compile ps_2_0 PS(); } }\n";

CompileResult Compile(const std::string& src)
{
    return CompileEffect(src, "e.fx", [](const std::string&, std::string&) { return false; });
}

TEST(Diagnostics, FormatIsFileLineColumnSeverityCodeText)
{
    Diagnostic e{"a.fx", 3, 14, Severity::Error, "X3004", "undeclared identifier 'q'"};
    Diagnostic w{"a.fx", 5, 1, Severity::Warning, "X3206", "implicit truncation of vector type"};
    EXPECT_EQ(FormatDiagnostic(e), "a.fx(3,14): error X3004: undeclared identifier 'q'");
    EXPECT_EQ(FormatDiagnostics({e, w}),
              "a.fx(3,14): error X3004: undeclared identifier 'q'\n"
              "a.fx(5,1): warning X3206: implicit truncation of vector type\n");
}

struct Expected {
    Severity severity;
    const char* code;
    int line, column;
};

TEST(Diagnostics, CodesAndPositions)
{
    struct Case {
        const char* name;
        std::string src;
        std::vector<Expected> want;
    };
    const Severity E = Severity::Error, W = Severity::Warning;
    const Case cases[] = {
        {"several in one compile",
         "float4 PS() : COLOR\n{\n    float3 v = float4(1, 2, 3, 4);\n    return missing + float3(1, 2);\n}",
         {{W, "X3206", 3, 16}, {E, "X3004", 4, 12}, {E, "X3014", 4, 22}}},
        {"position inside a macro is the invocation's",
         "#define BAD (nothing * 2)\nfloat4 PS() : COLOR\n{\n    return   BAD;\n}",
         {{E, "X3004", 4, 14}}},
        {"syntax error stops at the token",
         "float4 PS() : COLOR\n{\n    return 1 +;\n}", {{E, "X3000", 3, 15}}},
        {"redefinition", "float a;\nint a;\nfloat4 PS() : COLOR { return a; }", {{E, "X3003", 2, 5}}},
        {"assignment to a uniform", "float4 c;\nfloat4 PS() : COLOR { c = 1; return c; }", {{E, "X3025", 2, 23}}},
        {"out argument must be writable",
         "void F(out float x) { x = 1; }\nfloat4 PS() : COLOR { F(2.0); return 0; }", {{E, "X3025", 2, 25}}},
        {"bad swizzle", "float4 PS() : COLOR { float2 v = 0; return v.xyz.x; }", {{E, "X3018", 1, 46}}},
        {"index out of bounds", "float4 PS() : COLOR { float a[2] = {1, 2}; return a[2]; }", {{E, "X3504", 1, 53}}},
        {"no matching overload",
         "float F(float2 a) { return a.x; }\nfloat4 PS() : COLOR { return F(1, 2); }", {{E, "X3013", 2, 30}}},
        {"cannot convert", "float4 PS() : COLOR { float2 v = 1; float4 w = v; return w; }", {{E, "X3017", 1, 48}}},
        {"recursion",
         "float F(float x);\nfloat G(float x) { return F(x); }\nfloat F(float x) { return G(x); }\n"
         "float4 PS() : COLOR { return F(1); }",
         {{E, "X3500", 2, 7}}},
        {"missing return value", "float F(float x) { if (x > 0) return 1; }\nfloat4 PS() : COLOR { return F(1); }",
         {{E, "X3080", 1, 7}}},
        {"missing input semantic", "float4 PS(float2 uv) : COLOR { return uv.x; }", {{E, "X3502", 1, 18}}},
        {"missing output semantic", "float4 PS(float2 uv : TEXCOORD0) { return uv.x; }", {{E, "X3503", 1, 8}}},
        {"static local needs a literal initial value",
         "float4 PS(float x : TEXCOORD0) : COLOR { static float s = x; return s; }", {{E, "X3011", 1, 59}}},
        {"unknown input semantic", "float4 PS(float2 uv : NORMAL) : COLOR { return uv.x; }", {{E, "X4502", 1, 18}}},
    };
    for (const Case& c : cases) {
        CompileResult r = Compile(c.src + kTechnique);
        EXPECT_EQ(r.effect.has_value(), false) << c.name;
        std::vector<Expected> got;
        std::string text = FormatDiagnostics(r.diagnostics);
        ASSERT_EQ(r.diagnostics.size(), c.want.size()) << c.name << "\n" << text;
        for (size_t i = 0; i < c.want.size(); ++i) {
            const Diagnostic& d = r.diagnostics[i];
            EXPECT_EQ(d.severity, c.want[i].severity) << c.name << "\n" << text;
            EXPECT_EQ(d.code, c.want[i].code) << c.name << "\n" << text;
            EXPECT_EQ(d.line, c.want[i].line) << c.name << "\n" << text;
            EXPECT_EQ(d.column, c.want[i].column) << c.name << "\n" << text;
            EXPECT_EQ(d.file, "e.fx");
        }
    }
}

TEST(Diagnostics, WarningsAloneStillProduceTheEffect)
{
    CompileResult r = Compile(std::string("float4 PS() : COLOR { float2 v = float3(1, 2, 3); return v.x; }") + kTechnique);
    ASSERT_TRUE(r.effect.has_value()) << FormatDiagnostics(r.diagnostics);
    ASSERT_EQ(r.diagnostics.size(), 1u);
    EXPECT_EQ(r.diagnostics[0].code, "X3206");
}

// However many warnings come first, a failed compile names its error.
TEST(Diagnostics, ErrorAfterManyWarningsIsReported)
{
    std::string src = "float4 PS() : COLOR\n{\n    float2 v;\n";
    for (int i = 0; i < 120; ++i) src += "    v = float3(1, 2, 3);\n";
    src += "    return missing;\n}";
    CompileResult r = Compile(src + kTechnique);
    EXPECT_FALSE(r.effect.has_value());
    int errors = 0, warnings = 0;
    for (const Diagnostic& d : r.diagnostics) {
        if (d.severity == Severity::Error) {
            ++errors;
            EXPECT_EQ(d.code, "X3004");
            EXPECT_EQ(d.line, 124);
        } else {
            ++warnings;
        }
    }
    EXPECT_EQ(errors, 1) << FormatDiagnostics(r.diagnostics);
    EXPECT_EQ(warnings, 100);
    EXPECT_LE(r.diagnostics.size(), 200u);
}

// Nesting is counted in the source's own terms: brackets, unary operators,
// statements inside statements; a flat chain only makes the tree high.
TEST(Diagnostics, NestingLimits)
{
    auto repeat = [](const std::string& s, int n) {
        std::string r;
        for (int i = 0; i < n; ++i) r += s;
        return r;
    };
    auto shader = [](const std::string& body) {
        return "float4 PS(float x : TEXCOORD0) : COLOR\n{\n" + body + "\n}" + kTechnique;
    };
    struct Case {
        const char* name;
        std::string src;
        bool compiles;
    };
    const Case cases[] = {
        {"256 nested parentheses", shader("return " + repeat("(", 256) + "x" + repeat(")", 256) + ";"), true},
        {"1000 nested parentheses", shader("return " + repeat("(", 1000) + "x" + repeat(")", 1000) + ";"), true},
        {"flat chain of 10000 terms", shader("return x" + repeat(" + x", 9999) + ";"), true},
        {"500 nested blocks", shader(repeat("{", 500) + "return x;" + repeat("}", 500)), true},
        {"500 nested ifs", shader(repeat("if (x > 0) ", 500) + "return 1; return 0;"), true},
        {"500 unary minus", shader("return " + repeat("-(", 500) + "x" + repeat(")", 500) + ";"), true},
        {"50000 nested parentheses", shader("return " + repeat("(", 50000) + "x" + repeat(")", 50000) + ";"), false},
        {"50000 nested blocks", shader(repeat("{", 50000) + "return x;" + repeat("}", 50000)), false},
        {"50000 nested calls", shader("return " + repeat("abs(", 50000) + "x" + repeat(")", 50000) + ";"), false},
        {"50000 casts", shader("return " + repeat("(float)", 50000) + "x;"), false},
        {"flat chain of 20000 terms", shader("return x" + repeat(" + x", 19999) + ";"), false},
    };
    for (const Case& c : cases) {
        CompileResult r = Compile(c.src);
        EXPECT_EQ(r.effect.has_value(), c.compiles) << c.name << "\n" << FormatDiagnostics(r.diagnostics);
        if (!c.compiles) {
            ASSERT_EQ(r.diagnostics.size(), 1u) << c.name << "\n" << FormatDiagnostics(r.diagnostics);
            EXPECT_EQ(r.diagnostics[0].code, "X1010") << c.name;
        }
    }
}

// Hostile inputs end with an error, quickly and without unbounded growth.
TEST(Diagnostics, LimitsHoldOnHostileInput)
{
    std::string exponential = "#define A0 x\n";
    for (int i = 1; i < 40; ++i)
        exponential += "#define A" + std::to_string(i) + " A" + std::to_string(i - 1) + " A" + std::to_string(i - 1) + "\n";
    exponential += "A39\n";
    std::string chain = "float f = 1";
    for (int i = 0; i < 20000; ++i) chain += " + 1";
    const std::string cases[] = {
        exponential,
        "float f = " + std::string(20000, '(') + "1;",
        chain,
        "void f() {" + std::string(20000, '{'),
        std::string(50000, '$'),
        "#define F(x) F(F(x))\nF(F(1))",
    };
    for (const std::string& src : cases) {
        CompileResult r = Compile(src);
        EXPECT_FALSE(r.effect.has_value());
        EXPECT_FALSE(r.diagnostics.empty());
        EXPECT_LE(r.diagnostics.size(), 200u);
    }
}

}  // namespace
}  // namespace hlsl
