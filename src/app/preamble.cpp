// The preamble: empty report files, the input header, the run header, the
// PRECCOMP size check and the host window.
#include <climits>
#include <cstdio>

#include "globals.h"
#include "report.h"
#include "run_context.h"

InputHeader ReadInputHeader() {
    FILE* file = OpenInputFile(fileNameIn);
    if (!file) Help();
    // Read wide, so that a number beyond the int range is refused rather
    // than taken modulo 2^32.
    long long width = 0, height = 0;
    int fields = std::fscanf(file, "%lld %lld\n", &width, &height);
    std::fclose(file);
    // The elimination reads column i of every row for pivot i < height - 1,
    // so a matrix narrower than height - 1 columns cannot be worked on.
    if (fields != 2 || width < 0 || height < 0 || width > INT_MAX || height > INT_MAX || width < height - 1)
        Error("Input matrix file has an invalid header", true, 0);
    InputHeader header;
    header.width = static_cast<int>(width);
    header.height = static_cast<int>(height);
    return header;
}

void CheckPrecisionComparisonSize(const InputHeader& header) {
    // The probe cells are the last four cells of the last row.
    if ((computeStyle & STYLE_PRECCOMP) && (header.width < 4 || header.height < 1))
        Error("PRECCOMP need minimum 4x1 matrix size", true, 0);
}

RunContext RunPreamble(HINSTANCE hThisInst) {
    EmptyReportFile(fileNameOut);
    // The result-row writers fall back to output.txt: it is emptied too.
    EmptyReportFile("output.txt");

    InputHeader header = ReadInputHeader();
    _snprintf_s(buf, TEXT_BUFFER_SIZE, _TRUNCATE, "size: %d x %d\niterations: %d\nipnut div: %d\n\n", header.width,
                header.height, computeIter, 1);
    OutputNote(buf);
    CheckPrecisionComparisonSize(header);

    RunContext run;
    run.headerWidth = header.width;
    run.headerHeight = header.height;
    WindowCreate(hThisInst, run.hWnd);
    ShowWindow(run.hWnd, SW_SHOW);
    return run;
}
