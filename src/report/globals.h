#pragma once
// Run configuration shared by the main routine, the report writers and the
// back-ends. Set by the command line; read everywhere.

constexpr int STYLE_CPU = 1;
constexpr int STYLE_DX9 = 2;
constexpr int STYLE_DX10 = 4;
constexpr int STYLE_FSTR = 8;
constexpr int STYLE_CUDA = 16;
constexpr int STYLE_PRECCOMP = 32;
constexpr int STYLE_CPU2 = 128;
constexpr int STYLE_MULMAT = 256;
constexpr int STYLE_DEFAULT = STYLE_CPU | STYLE_DX9 | STYLE_DX10 | STYLE_PRECCOMP | STYLE_CPU2;  // 167

// Every text buffer holds at most 1024 characters and the terminator.
constexpr int TEXT_BUFFER_SIZE = 1025;

extern int computeStyle;
extern int computeIter;
extern char fileNameIn[TEXT_BUFFER_SIZE];
extern char fileNameOut[TEXT_BUFFER_SIZE];
// Scratch text; Error and every LogInfo overwrite it.
extern char buf[TEXT_BUFFER_SIZE];
