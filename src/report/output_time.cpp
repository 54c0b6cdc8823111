// Summed compute time of a timed section and its "time: " line.
#include <cstdint>

#include "globals.h"
#include "report.h"
#include "report_file.h"

namespace {
int64_t timeSum = 0;  // milliseconds since the last time line
}

void OutputTime(int64_t timeStart, int64_t timeEnd, bool print_and_null) {
    // The tick counter has 32 bits; taking the difference modulo 2^32 gives
    // the true interval also when the counter wrapped in between.
    timeSum += static_cast<uint32_t>(static_cast<uint64_t>(timeEnd) - static_cast<uint64_t>(timeStart));
    if (!print_and_null) return;
    char seconds[16];
    std::snprintf(seconds, sizeof seconds, "%d", static_cast<int>(timeSum / 1000));
    AppendText(fileNameOut, "time: ");
    AppendText(fileNameOut, seconds);
    AppendText(fileNameOut, "s\n\n\n");
    timeSum = 0;
}
