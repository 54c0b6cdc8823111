#pragma once
// The report file and the two ways the program speaks to the user.
#include <cstdint>
#include <cstdio>

// Appends `note` to the report file (fileNameOut); an empty note empties it.
// A report file that cannot be opened or written ends the run through Error
// "Can't write the report file"; so do all writers below.
void OutputNote(const char* note);

// Adds one measured interval (ticks taken modulo 2^32); with print_and_null
// set, writes the "time: " line with the summed whole seconds and resets it.
void OutputTime(int64_t timeStart, int64_t timeEnd, bool print_and_null);

// Formats `text` with `code` as its only argument, shows it in the "Error!"
// box, sends it with the debug suffix to the debugger channel, and ends the
// process with -1 when `end` is set. Only the first int conversion of `text`
// takes `code`; other percent signs are printed as they stand.
void Error(const char* text, bool end, int code);

// Shows the usage text in the "Help!" box and ends the process with 1.
[[noreturn]] void Help();
// The usage text that Help shows (518 characters).
extern const char usageText[];

// Opens the input matrix file `fileName` for reading; null when it cannot
// be opened or is no regular file (a folder of that name, for one).
FILE* OpenInputFile(const char* fileName);

// Empties the file `fileName` (opens it for writing and closes it).
void EmptyReportFile(const char* fileName);

// Appends one result line to `fileName` (or "output.txt" when null): the
// values of the last of `h` rows of a `w`-column matrix, from column w - 4
// (column 0 when w <= 4), each widened to double and written with
// `precision` ("%.4f" when null), separated by ", " and ended by "\n".
// `lastRow` points at the first element of row h - 1 (unused when h <= 0).
// With `debugCounter` set, the block "%d Debug output:\n" with its value is
// written first and the counter goes up by one.
void OutputResultRows(const char* fileName, const char* precision, const float* lastRow, int w, int h, int* debugCounter);
void OutputResultRows(const char* fileName, const char* precision, const double* lastRow, int w, int h, int* debugCounter);
