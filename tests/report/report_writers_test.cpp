#include <cmath>
#include <vector>

#include "report.h"
#include "report_fixture.h"

namespace {

using ReportWriters = ReportTest;

TEST_F(ReportWriters, OutputNoteAppendsAndEmptyNoteEmpties) {
    OutputNote("size: 3 x 2\n");
    OutputNote("CPU:\n");
    EXPECT_EQ(Read("report.txt"), "size: 3 x 2\nCPU:\n");
    OutputNote("");
    EXPECT_TRUE(std::filesystem::exists("report.txt"));
    EXPECT_EQ(Read("report.txt"), "");
}

TEST_F(ReportWriters, OutputTimeSumsWholeSecondsPerSection) {
    struct Case {
        std::vector<std::pair<int64_t, int64_t>> intervals;  // the last one prints
        const char* expected;
    };
    const Case cases[] = {
        {{{1000, 1999}}, "time: 0s\n\n\n"},
        {{{0, 1000}, {5000, 6500}}, "time: 2s\n\n\n"},
        {{{10, 10}}, "time: 0s\n\n\n"},
        // a wrap of the 32-bit counter between the two reads
        {{{0xFFFFF000, 0x00000BB8}}, "time: 7s\n\n\n"},
        {{{0xFFFFFFFF, 0x1000000000 + 2999}}, "time: 3s\n\n\n"},
        // the sum of the section before does not carry over
        {{{0, 4000}}, "time: 4s\n\n\n"},
    };
    for (const auto& c : cases) {
        OutputNote("");
        for (size_t i = 0; i < c.intervals.size(); ++i)
            OutputTime(c.intervals[i].first, c.intervals[i].second, i + 1 == c.intervals.size());
        EXPECT_EQ(Read("report.txt"), c.expected);
    }
}

TEST_F(ReportWriters, ResultRowsPrintTheTailOfTheLastRow) {
    struct Case {
        std::vector<double> lastRow;
        int w, h;
        const char* precision;
        const char* expected;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 5, 6}, 6, 100, nullptr, "3.0000, 4.0000, 5.0000, 6.0000\n"},
        {{1, 2, 3, 4}, 4, 2, nullptr, "1.0000, 2.0000, 3.0000, 4.0000\n"},
        {{1.5, -2.25, 3}, 3, 7, nullptr, "1.5000, -2.2500, 3.0000\n"},
        {{7}, 1, 1, nullptr, "7.0000\n"},
        {{1, 2, 3}, 3, 0, nullptr, ""},
        {{1, 2, 3}, 3, -1, nullptr, ""},
        {{}, 0, 1, nullptr, "\n"},
        {{-0.0, 0.0, 1.0 / 3.0, 2.0 / 3.0}, 4, 1, "%.20f",
         "-0.00000000000000000000, 0.00000000000000000000, 0.33333333333333331483, 0.66666666666666662966\n"},
    };
    for (const auto& c : cases) {
        OutputNote("");
        OutputResultRows(fileNameOut, c.precision, c.lastRow.data(), c.w, c.h, nullptr);
        EXPECT_EQ(Read("report.txt"), c.expected) << c.w << " x " << c.h;
    }
}

TEST_F(ReportWriters, FloatValuesAreWidenedExactly) {
    const float row[] = {-0x1p-25f, 1.66666663f, 2.33333325f};
    OutputResultRows(fileNameOut, "%.17g", row, 3, 2, nullptr);
    EXPECT_EQ(Read("report.txt"), "-2.9802322387695312e-08, 1.6666666269302368, 2.3333332538604736\n");
}

TEST_F(ReportWriters, DebugBlocksCountPerWriterAndDefaultFile) {
    const double row[] = {1, 2};
    int counterA = 0, counterB = 0;
    OutputResultRows(nullptr, nullptr, row, 2, 1, &counterA);
    OutputResultRows(nullptr, nullptr, row, 2, 1, &counterA);
    OutputResultRows(nullptr, nullptr, row, 2, 0, &counterB);
    EXPECT_EQ(counterA, 2);
    EXPECT_EQ(counterB, 1);
    EXPECT_EQ(Read("output.txt"),
              "0 Debug output:\n1.0000, 2.0000\n1 Debug output:\n1.0000, 2.0000\n0 Debug output:\n");
    EXPECT_FALSE(std::filesystem::exists("report.txt"));
}

TEST_F(ReportWriters, UnwritableReportEndsTheRun) {
    const double row[] = {1};
    // A folder that is not there (cannot open) and a full device (cannot write).
    for (const char* target : {"missing_folder/report.txt", "/dev/full"}) {
        std::snprintf(fileNameOut, TEXT_BUFFER_SIZE, "%s", target);
        EXPECT_EXIT(OutputNote("x"), ::testing::ExitedWithCode(255), "Error!: Can't write the report file") << target;
        EXPECT_EXIT(OutputTime(0, 1, true), ::testing::ExitedWithCode(255), "Can't write the report file");
        EXPECT_EXIT(OutputResultRows(fileNameOut, nullptr, row, 1, 1, nullptr), ::testing::ExitedWithCode(255),
                    "Can't write the report file");
    }
    std::snprintf(fileNameOut, TEXT_BUFFER_SIZE, "%s", "missing_folder/report.txt");
    EXPECT_EXIT(OutputNote(""), ::testing::ExitedWithCode(255), "Can't write the report file");
    EXPECT_EXIT(EmptyReportFile("missing_folder/output.txt"), ::testing::ExitedWithCode(255),
                "Can't write the report file");
}

}  // namespace
