// The entry point of kordane02: command line, input, preamble, sections.
#include <windows.h>

#include "command_line.h"
#include "globals.h"
#include "input_files.h"
#include "report.h"
#include "run_context.h"

int WINAPI WinMain(HINSTANCE hThisInst, HINSTANCE, LPSTR, int) {
    CommandLine line = ReadCommandLine();
    if (line.help) Help();
    computeStyle = line.style;
    computeIter = line.iterations;

    SetFileNames(line);
    if (!line.fixedIn && line.sizeSeen) GenerateRandomInput(line.size);
    // NONE ends here: at most the input file was written.
    if (line.none) return 0;
    if (computeStyle == 0) computeStyle = STYLE_DEFAULT;

    RunContext run = RunPreamble(hThisInst);
    RunSections(run);
    EndRun(hThisInst, run.hWnd);
    return 0;
}
