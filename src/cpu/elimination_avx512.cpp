// The blocked elimination built for the Avx512 vector unit.
#define KD_LANES 8
#define KD_COL_VECTORS 2
#define KD_PATH Avx512
#include "cpu/elimination_blocked.inc"
