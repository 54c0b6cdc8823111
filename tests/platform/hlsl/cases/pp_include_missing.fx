// An include file that cannot be read is an error on the #include line.
#include "inc/no_such_file.fxh"

float4 Main() : COLOR0
{
    return 1;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error * 2 *
