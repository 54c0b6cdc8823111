// The blocked elimination built for the Avx2 vector unit.
#define KD_LANES 4
#define KD_COL_VECTORS 2
#define KD_PATH Avx2
#include "cpu/elimination_blocked.inc"
