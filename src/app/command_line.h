#pragma once
// The command line of kordane02 as a value: what the arguments ask for.
#include <windows.h>

struct CommandLine {
    bool help = false;       // a help switch was found; later arguments were not read
    int size = 0;            // the first positive number; 0 when none was given
    bool sizeSeen = false;
    int iterations = 1;      // the last positive number after the size
    int style = 0;           // style bits; 0 when no style keyword was given
    bool none = false;
    bool fixedIn = false;    // read input_<size>.txt instead of generating input
    bool fixedOut = false;   // name the report after the size (and iterations)
};

// Reads the arguments after the program name (argv[0]), left to right.
CommandLine ParseArguments(int argc, const LPCWSTR* argv);

// Splits the process's command line and parses it; defaults when the split fails.
CommandLine ReadCommandLine();
