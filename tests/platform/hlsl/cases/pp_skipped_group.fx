// Lines in a group that #if skips are not HLSL and must not be read as
// such: stray characters, unbalanced quotes of other languages.
#if 0
this is not HLSL at all $$$ @@@ `backticks`
#elif defined(NOTHING)
#pragma anything goes here
#else
#define VALUE 3
#endif
#ifdef NOTHING
float4 Broken( : COLOR0 { $ }
#endif

float4 Main() : COLOR0
{
    return VALUE;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! run T
//! expect r 3
