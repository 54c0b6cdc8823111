#include "timed_section.h"

#include <unistd.h>

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

TEST_F(TimedSection, OnlyTheComputeCallIsTimed) {
    std::snprintf(fileNameOut, TEXT_BUFFER_SIZE, "%s", "report.txt");
    computeIter = 2;
    RecordingBackend backend;
    // 0.6 s of compute per iteration, two iterations: 1 s; the preparation is not counted.
    RunTimedSection(
        backend, "T:\n", [](RecordingBackend&) { usleep(1200000); },
        [](RecordingBackend& b) {
            ++b.computed;
            usleep(600000);
        });
    EXPECT_NE(Read("report.txt").find("time: 1s\n"), std::string::npos) << Read("report.txt");
    computeIter = 1;
}

}  // namespace
