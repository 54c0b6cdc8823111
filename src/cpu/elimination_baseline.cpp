// The blocked elimination built for the plain x86-64 vector unit (SSE2).
#define KD_LANES 4
#define KD_COL_VECTORS 1
#define KD_PATH Baseline
#include "cpu/elimination_blocked.inc"
