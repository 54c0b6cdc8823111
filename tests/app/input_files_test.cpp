#include "input_files.h"

#include <sstream>
#include <string>

#include "globals.h"
#include "scratch_folder.h"

namespace {

using InputFiles = ScratchFolder;

TEST_F(InputFiles, NamesFollowFixedInAndFixedOut) {
    struct Case {
        int size;
        bool sizeSeen;
        int iterations;
        bool fixedIn, fixedOut;
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {0, false, 1, false, false, "input.txt", "output.txt"},
        {100, true, 5, false, false, "input.txt", "output.txt"},
        {100, true, 3, true, true, "input_100.txt", "output_100_3.txt"},
        {100, true, 1, true, true, "input_100.txt", "output_100.txt"},
        {0, false, 1, false, true, "input.txt", "output_0.txt"},
        {0, false, 4, true, true, "input.txt", "output_0_4.txt"},   // FIXEDIN without a size: input.txt
        {7, true, 2, true, false, "input_7.txt", "output.txt"},
        {2147483647, true, 2147483647, false, true, "input.txt", "output_2147483647_2147483647.txt"},
    };
    for (const auto& c : cases) {
        CommandLine line;
        line.size = c.size;
        line.sizeSeen = c.sizeSeen;
        line.iterations = c.iterations;
        line.fixedIn = c.fixedIn;
        line.fixedOut = c.fixedOut;
        SetFileNames(line);
        EXPECT_STREQ(fileNameIn, c.in);
        EXPECT_STREQ(fileNameOut, c.out);
    }
    EXPECT_FALSE(std::filesystem::exists("input.txt"));
}

TEST_F(InputFiles, GeneratedMatrixHasItsFormatAndRange) {
    std::snprintf(fileNameIn, TEXT_BUFFER_SIZE, "%s", "input.txt");
    for (int height : {1, 2, 30}) {
        GenerateRandomInput(height);
        std::string text = Read("input.txt");
        std::istringstream lines(text);
        std::string line;
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line, std::to_string(height + 1) + " " + std::to_string(height));
        int rows = 0;
        while (std::getline(lines, line)) {
            ++rows;
            ASSERT_FALSE(line.empty());
            EXPECT_EQ(line.back(), ' ');  // every value is followed by one space
            std::istringstream values(line);
            int v, count = 0;
            while (values >> v) {
                ++count;
                EXPECT_GE(v, 1);
                EXPECT_LE(v, 1001);
            }
            EXPECT_EQ(count, height + 1);
        }
        EXPECT_EQ(rows, height);
        EXPECT_EQ(text.back(), '\n');
    }
}

TEST_F(InputFiles, UnwritableInputEndsTheRun) {
    for (const char* name : {"missing_folder/input.txt", "/dev/full"}) {
        std::snprintf(fileNameIn, TEXT_BUFFER_SIZE, "%s", name);
        EXPECT_EXIT(GenerateRandomInput(200), ::testing::ExitedWithCode(255), "^Error!: Can't generate input.txt\n$");
    }
}

}  // namespace
