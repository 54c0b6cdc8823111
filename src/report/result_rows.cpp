// The result rows: the last values of the last matrix row, one line.
#include "report.h"
#include "report_file.h"

namespace {

template <class T>
void WriteResultRows(const char* fileName, const char* precision, const T* lastRow, int w, int h, int* debugCounter) {
    FILE* file = OpenForAppend(fileName ? fileName : "output.txt");
    if (!precision) precision = "%.4f";
    if (debugCounter) {
        std::fprintf(file, "%d Debug output:\n", *debugCounter);
        ++*debugCounter;
    }
    // Only the last row is printed (row 0 of a one-row matrix; none when
    // there are no rows), from the fourth column before its end.
    if (h > 0) {
        int firstColumn = w > 4 ? w - 4 : 0;
        for (int c = firstColumn; c < w; ++c) {
            std::fprintf(file, precision, static_cast<double>(lastRow[c]));
            if (c != w - 1) std::fputs(", ", file);
        }
        std::fputs("\n", file);
    }
    CloseAfterAppend(file);
}

}  // namespace

void OutputResultRows(const char* fileName, const char* precision, const float* lastRow, int w, int h,
                      int* debugCounter) {
    WriteResultRows(fileName, precision, lastRow, w, h, debugCounter);
}

void OutputResultRows(const char* fileName, const char* precision, const double* lastRow, int w, int h,
                      int* debugCounter) {
    WriteResultRows(fileName, precision, lastRow, w, h, debugCounter);
}
