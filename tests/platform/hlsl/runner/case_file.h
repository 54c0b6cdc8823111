#pragma once
// A test case: an effect file whose lines starting with "//!" say what to run
// and what to expect. The format is described in ../README.md.
#include <string>
#include <vector>

namespace hlsltest {

struct ParamValue {
    std::string name;
    std::vector<float> values;
};

struct TextureData {
    std::string name;
    bool rgba = false;  // false: R32F, one float per texel
    int width = 0;
    int height = 0;
    std::vector<float> texels;  // row 0 first
};

// One draw: every pass of a technique (or one named pass) into one target.
struct Run {
    int line = 0;  // line of the "run" directive, for messages
    std::string technique;
    std::string pass;  // empty: all passes in order
    int width = 1;
    int height = 1;
    float clear[4] = {0, 0, 0, 0};
    std::vector<ParamValue> params;
    std::vector<TextureData> textures;
    bool expectRgba = false;
    bool hasExpect = false;
    std::vector<float> expected;     // row 0 first; NaN marks "any NaN"
    std::vector<bool> dontCare;      // same size as expected: "x" in the case
    int ulps = 0;
};

// Mark a diagnostic line or column that is not compared ("*" in the case).
constexpr int kAnyLine = -1;
constexpr int kAnyColumn = -1;

struct ExpectedDiagnostic {
    bool error = true;
    std::string code;  // "*": any code
    std::string file;  // empty: the case file itself
    int line = 0;
    int column = 0;
};

struct Case {
    std::vector<Run> runs;
    std::vector<ExpectedDiagnostic> diagnostics;
    bool otherErrors = false;  // errors beyond the listed ones are accepted
};

// Reads the "//!" directives of `source`. On a malformed directive returns
// false with a message naming the line.
bool ParseCase(const std::string& source, Case& out, std::string& error);

}  // namespace hlsltest
