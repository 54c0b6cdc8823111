#include "timed_section.h"

#include <string>

#include "scratch_folder.h"

namespace {

// A back-end that writes what is done to it into the report.
struct RecordingBackend {
    int computed = 0;
    void OutputData(const char* fileName, const char* precision) {
        std::string line = "rows after " + std::to_string(computed) + (precision ? " precision\n" : "\n");
        OutputNote(line.c_str());
        EXPECT_STREQ(fileName, fileNameOut);
    }
    void ReloadData() { OutputNote("reload\n"); }
};

using TimedSection = ScratchFolder;

TEST_F(TimedSection, ResultRowsOnFirstAndLastIterationOneTimeLine) {
    struct Case {
        int iterations;
        const char* expected;
    };
    const Case cases[] = {
        {1, "T:\nprepared\nrows after 1\ntime: 0s\n\n\nreload\n"},
        {2, "T:\nprepared\nrows after 1\nreload\nrows after 2\ntime: 0s\n\n\nreload\n"},
        {3, "T:\nprepared\nrows after 1\nreload\nreload\nrows after 3\ntime: 0s\n\n\nreload\n"},
    };
    std::snprintf(fileNameOut, TEXT_BUFFER_SIZE, "%s", "report.txt");
    for (const auto& c : cases) {
        OutputNote("");
        computeIter = c.iterations;
        RecordingBackend backend;
        RunTimedSection(
            backend, "T:\n", [](RecordingBackend&) { OutputNote("prepared\n"); },
            [](RecordingBackend& b) { ++b.computed; });
        EXPECT_EQ(Read("report.txt"), c.expected);
    }
    computeIter = 1;
}

// A clock that moves only when the test moves it: each step of the section
// advances it by its own amount, so the time line shows which were counted.
TEST_F(TimedSection, OnlyTheComputeCallIsTimed) {
    struct ClockedBackend {
        int64_t* now;
        void OutputData(const char*, const char*) { *now += 100000; }
        void ReloadData() { *now += 200000; }
    };
    struct Case {
        int iterations;
        int64_t start;
        const char* expected;
    };
    const Case cases[] = {
        {1, 0, "T:\ntime: 1s\n\n\n"},
        {2, 0, "T:\ntime: 2s\n\n\n"},
        {3, 0, "T:\ntime: 3s\n\n\n"},
        // The tick count wraps at 2^32 during the first compute call.
        {2, int64_t{0xFFFFFE00} - 50000, "T:\ntime: 2s\n\n\n"},
    };
    std::snprintf(fileNameOut, TEXT_BUFFER_SIZE, "%s", "report.txt");
    for (const auto& c : cases) {
        OutputNote("");
        computeIter = c.iterations;
        int64_t now = c.start;
        ClockedBackend backend{&now};
        // 1.2 s of compute per iteration; preparation, result rows and reload
        // take far longer and must not be counted.
        RunTimedSection(
            backend, "T:\n", [](ClockedBackend& b) { *b.now += 50000; },
            [](ClockedBackend& b) { *b.now += 1200; }, [&now] { return now % (int64_t{1} << 32); });
        EXPECT_EQ(Read("report.txt"), c.expected) << c.iterations;
    }
    computeIter = 1;
}

}  // namespace
