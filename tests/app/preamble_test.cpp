#include <filesystem>
#include <string>

#include "globals.h"
#include "report.h"
#include "run_context.h"
#include "scratch_folder.h"

namespace {

using Preamble = ScratchFolder;

TEST_F(Preamble, InputHeaderIsCheckedBeforeUse) {
    struct Case {
        const char* text;
        bool valid;
        int width, height;
    };
    const Case cases[] = {
        {"101 100\n", true, 101, 100},
        {"3 2\n1 2 3\n4 5 6\n", true, 3, 2},
        {"4 5\n", true, 4, 5},     // width = height - 1: the last pivot column exists
        {"0 0\n", true, 0, 0},
        {"0 1\n", true, 0, 1},
        {"5 0\n", true, 5, 0},
        {"  7\n\n 3", true, 7, 3},
        {"3 5\n", false, 0, 0},    // too narrow for the elimination
        {"-1 2\n", false, 0, 0},
        {"4 -2\n", false, 0, 0},
        {"abc\n", false, 0, 0},
        {"12\n", false, 0, 0},
        {"12 x\n", false, 0, 0},
        {"", false, 0, 0},
        {"2147483647 2147483647\n", true, 2147483647, 2147483647},
        {"4294967301 3\n", false, 0, 0},  // beyond int: refused, not wrapped to 5
        {"99999999999999999999 3\n", false, 0, 0},
    };
    std::snprintf(fileNameIn, TEXT_BUFFER_SIZE, "%s", "input.txt");
    for (const auto& c : cases) {
        Write("input.txt", c.text);
        if (c.valid) {
            InputHeader h = ReadInputHeader();
            EXPECT_EQ(h.width, c.width) << c.text;
            EXPECT_EQ(h.height, c.height) << c.text;
        } else {
            EXPECT_EXIT(ReadInputHeader(), ::testing::ExitedWithCode(255),
                        "^Error!: Input matrix file has an invalid header\n$")
                << c.text;
        }
    }
    // A missing file and a folder of that name are both not readable input.
    std::filesystem::create_directory("folder_input.txt");
    for (const char* name : {"no_such_input.txt", "folder_input.txt"}) {
        std::snprintf(fileNameIn, TEXT_BUFFER_SIZE, "%s", name);
        EXPECT_EXIT(ReadInputHeader(), ::testing::ExitedWithCode(1), "^Help!: Usage") << name;
    }
}

TEST_F(Preamble, PrecisionComparisonNeedsFourCellsInTheLastRow) {
    struct Case {
        int style, width, height;
        bool ends;
    };
    const Case cases[] = {
        {STYLE_PRECCOMP, 4, 3, false},  {STYLE_PRECCOMP, 3, 2, true},
        {STYLE_DEFAULT, 3, 2, true},    {STYLE_PRECCOMP | STYLE_CPU, 0, 0, true},
        {STYLE_PRECCOMP, 5, 0, true},   {STYLE_CPU, 3, 2, false},
        {STYLE_CPU | STYLE_MULMAT, 1, 1, false},
    };
    for (const auto& c : cases) {
        computeStyle = c.style;
        InputHeader h{c.width, c.height};
        if (c.ends)
            EXPECT_EXIT(CheckPrecisionComparisonSize(h), ::testing::ExitedWithCode(255),
                        "^Error!: PRECCOMP need minimum 4x1 matrix size\n$");
        else
            CheckPrecisionComparisonSize(h);
    }
    computeStyle = 0;
}

}  // namespace
