// The blocked elimination built for the Avx2 vector unit.
#define KD_LANES 4
#ifndef KD_COL_VECTORS
#define KD_COL_VECTORS 2
#endif
#define KD_PATH Avx2
#include "cpu/elimination_blocked.inc"
