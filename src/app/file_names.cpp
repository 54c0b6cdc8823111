// The input and report file names that the command line asks for.
#include "globals.h"
#include "input_files.h"

void SetFileNames(const CommandLine& line) {
    _snprintf_s(fileNameIn, TEXT_BUFFER_SIZE, _TRUNCATE, "%s", "input.txt");
    _snprintf_s(fileNameOut, TEXT_BUFFER_SIZE, _TRUNCATE, "%s", "output.txt");
    if (line.fixedIn && line.sizeSeen) _snprintf_s(fileNameIn, TEXT_BUFFER_SIZE, _TRUNCATE, "input_%d.txt", line.size);
    if (line.fixedOut) {
        // The size is 0 here when none was given.
        if (line.iterations > 1)
            _snprintf_s(fileNameOut, TEXT_BUFFER_SIZE, _TRUNCATE, "output_%d_%d.txt", line.size, line.iterations);
        else
            _snprintf_s(fileNameOut, TEXT_BUFFER_SIZE, _TRUNCATE, "output_%d.txt", line.size);
    }
}
