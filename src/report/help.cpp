// Help: the usage box, then the end of the run.
#include <windows.h>

#include <cstdlib>

#include "report.h"

const char usageText[] =
    "Usage: kordane02 [size] [iter] [style] [fixed]\n"
    "\n"
    "   size = height of created random matrix (it overwrite input.txt!)\n"
    "   iter = number of iterations\n"
    "   style = how to compute. Possibilities are CPU, CPU2 (=double precision), DX9, DX10, CUDA, FSTR, NONE, "
    "PRECCOMP (precision compare).\n"
    " U can use list of them.\n"
    "\n"
    "   If no parameters presents, input.txt will be taken as input matrix and \n"
    "computation will be done on all three APIs.\n"
    "\n"
    "   Parameter FIXED means that input_size.txt will be parsed.\n"
    "\n"
    "   Results are in output.txt";

void Help() {
    MessageBoxA(nullptr, usageText, "Help!", MB_OK);
    std::exit(1);
}
