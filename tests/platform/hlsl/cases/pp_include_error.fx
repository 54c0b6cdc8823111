// A diagnostic inside an included file names that file and its own line;
// lines after the #include keep their own numbers.
#include "inc/undeclared.fxh"

float4 Main() : COLOR0
{
    return Broken() + alsoMissing;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3004 4 12 inc/undeclared.fxh
//! error X3004 7 23
