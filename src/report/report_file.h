#pragma once
// Open-write-close on a report file. A file that cannot be opened or
// written ends the run through Error, so a run never ends as a success with
// a missing or partial report.
#include <cstdio>

// Opens `fileName` for appending; never returns null.
FILE* OpenForAppend(const char* fileName);
// Closes a file from OpenForAppend, checking that everything was written.
void CloseAfterAppend(FILE* file);
// Appends `text` in one open-write-close cycle.
void AppendText(const char* fileName, const char* text);
