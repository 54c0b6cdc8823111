#pragma once
// The names of the input and report files, and the random input matrix.
#include "command_line.h"

// Sets fileNameIn and fileNameOut from the command line; writes nothing.
void SetFileNames(const CommandLine& line);

// Writes a random input matrix of `height` rows and height + 1 columns
// under the name in fileNameIn; values 1 to 1001, seeded by the tick count.
void GenerateRandomInput(int height);
