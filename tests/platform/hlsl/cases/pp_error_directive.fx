// #error stops the compile with an error on its line; in a skipped group
// it does nothing.
#if 0
#error not this one
#endif
#define LIMIT 2
#if LIMIT > 1
#error LIMIT too large
#endif

float4 Main() : COLOR0
{
    return 1;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error * 8 *
