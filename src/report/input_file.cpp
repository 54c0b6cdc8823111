// Opening the input matrix file.
#include <sys/stat.h>

#include <cstdio>

#include "report.h"

FILE* OpenInputFile(const char* fileName) {
    FILE* file = std::fopen(fileName, "r");
    if (!file) return nullptr;
    // A folder opens here but cannot be read; only a regular file can hold
    // a matrix.
    struct stat info = {};
    if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}
