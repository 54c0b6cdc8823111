// The random input matrix: an augmented system of `height` equations.
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "globals.h"
#include "input_files.h"
#include "report.h"

namespace {

// One draw from 0 to 32767. The C library's generator reaches 2^31 - 1
// here; its upper bits are its best ones.
int Draw() {
    static_assert(RAND_MAX == INT_MAX, "a generator of 31 bits is expected");
    return std::rand() >> 16;
}

void CannotGenerate() { Error("Can't generate input.txt", true, 0); }

}  // namespace

void GenerateRandomInput(int height) {
    // A size beyond the int range reads as INT_MAX; its width, height + 1,
    // has no int value, and such a file would only fill the disk.
    if (height >= INT_MAX) CannotGenerate();
    int width = height + 1;
    std::srand(GetTickCount());
    FILE* file = std::fopen(fileNameIn, "w");
    if (!file) CannotGenerate();
    std::fprintf(file, "%d %d\n", width, height);
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) std::fprintf(file, "%d ", Draw() * 1000 / 32767 + 1);
        std::fputs("\n", file);
    }
    // A file cut short (a full disk) would be read as a different matrix.
    bool failed = std::ferror(file) != 0;
    if (std::fclose(file) != 0 || failed) CannotGenerate();
}
