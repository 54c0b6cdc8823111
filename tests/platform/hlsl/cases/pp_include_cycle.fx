// An include cycle without a guard stops with an error instead of looping.
#include "inc/cycle.fxh"

float4 Main() : COLOR0
{
    return 1;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error * * * inc/cycle.fxh
//! other-errors
