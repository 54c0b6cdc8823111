#include <cstring>
#include <string>

#include "report.h"
#include "report_fixture.h"

namespace {

using ErrorAndHelp = ReportTest;

TEST_F(ErrorAndHelp, ErrorFormatsCodeAndBoundsTheDebugSuffix) {
    struct Case {
        std::string text;
        int code;
        std::string shown;     // in the box
        std::string debugged;  // in buf after the call: what the debugger got
    };
    const std::string m1012(1012, 'a'), m1013(1013, 'b'), m1020(1020, 'c'), m1024(1024, 'd'), m2000(2000, 'e');
    const Case cases[] = {
        {"PRECCOMP need minimum 4x1 matrix size", 0, "PRECCOMP need minimum 4x1 matrix size",
         "PRECCOMP need minimum 4x1 matrix size (KD DEBUG)\n"},
        {"Error nr: %d", -2005530520, "Error nr: -2005530520", "Error nr: -2005530520 (KD DEBUG)\n"},
        {m1012, 0, m1012, m1012 + " (KD DEBUG)\n"},
        {m1013, 0, m1013, m1013 + " (KD DEBUG)"},
        {m1020, 0, m1020, m1020 + " (KD"},
        {m1024, 0, m1024, m1024},
        {m2000, 0, m2000.substr(0, 1024), m2000.substr(0, 1024)},
        // percent signs of a foreign text are printed, not read as conversions
        {"x(1): error X3000: 100% of %s at %d, %f %n %", 7, "x(1): error X3000: 100% of %s at 7, %f %n %",
         "x(1): error X3000: 100% of %s at 7, %f %n % (KD DEBUG)\n"},
        {"50%% and %5d|%-3x|%ld", 10, "50% and    10|%-3x|%ld", "50% and    10|%-3x|%ld (KD DEBUG)\n"},
    };
    for (const auto& c : cases) {
        ::testing::internal::CaptureStderr();
        Error(c.text.c_str(), false, c.code);
        std::string err = ::testing::internal::GetCapturedStderr();
        // no debugger here: only the box reaches standard error
        EXPECT_EQ(err, "Error!: " + c.shown + "\n") << c.text.size();
        EXPECT_EQ(std::string(buf), c.debugged) << c.text.size();
    }
}

TEST_F(ErrorAndHelp, FatalErrorAndHelpEndTheProcess) {
    EXPECT_EXIT(Error("Input matrix file has an invalid header", true, 0), ::testing::ExitedWithCode(255),
                "^Error!: Input matrix file has an invalid header\n$");
    EXPECT_EXIT(Help(), ::testing::ExitedWithCode(1), "^Help!: Usage: kordane02 \\[size\\]");
}

TEST_F(ErrorAndHelp, UsageTextIsExact) {
    EXPECT_EQ(std::strlen(usageText), 518u);
    std::string text = usageText;
    EXPECT_EQ(text.find("Usage: kordane02 [size] [iter] [style] [fixed]\n\n"), 0u);
    EXPECT_NE(text.find("input matrix and \ncomputation will be done on all three APIs.\n\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 30), "\n\n   Results are in output.txt");
}

}  // namespace
