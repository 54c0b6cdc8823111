// The run configuration, set from the command line.
#include "globals.h"

int computeStyle = 0;
int computeIter = 1;
char fileNameIn[TEXT_BUFFER_SIZE] = "";
char fileNameOut[TEXT_BUFFER_SIZE] = "";
char buf[TEXT_BUFFER_SIZE] = "";
