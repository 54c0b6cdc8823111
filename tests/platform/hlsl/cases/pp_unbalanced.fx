// Conditional directives that do not pair up are errors.
#if 1
#else
#else
#endif
#endif
#elif 1
#if 1

float4 Main() : COLOR0
{
    return 1;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error * 4 *
//! error * 6 *
//! error * 7 *
//! error * * *
