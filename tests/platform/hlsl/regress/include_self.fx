#include "include_self.fx"
float a;
