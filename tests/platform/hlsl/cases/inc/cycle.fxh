// Used by pp_include_cycle.fx: includes itself with no guard.
#include "cycle.fxh"
float cycleValue;
