// The report file: every write opens it, writes one piece and closes it, so
// the file is complete up to the last write whenever the run stops.
#include "report_file.h"

#include "globals.h"
#include "report.h"

namespace {
void CannotWrite() { Error("Can't write the report file", true, 0); }
}  // namespace

FILE* OpenForAppend(const char* fileName) {
    FILE* file = std::fopen(fileName, "a");
    if (!file) CannotWrite();
    return file;
}

void CloseAfterAppend(FILE* file) {
    bool failed = std::ferror(file) != 0;
    if (std::fclose(file) != 0 || failed) CannotWrite();
}

void AppendText(const char* fileName, const char* text) {
    FILE* file = OpenForAppend(fileName);
    std::fputs(text, file);
    CloseAfterAppend(file);
}

void EmptyReportFile(const char* fileName) {
    FILE* file = std::fopen(fileName, "w");
    if (!file) CannotWrite();
    if (std::fclose(file) != 0) CannotWrite();
}

void OutputNote(const char* note) {
    if (note[0] == 0) EmptyReportFile(fileNameOut);
    else AppendText(fileNameOut, note);
}
