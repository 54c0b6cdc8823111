// Integer literals divide as integers, also when the result goes to a
// float; a float operand makes the division a float one.
float4 Main() : COLOR0
{
    float a = 1 / 2;
    float b = 1.0 / 2;
    float c = 7 / 2 * 2.0;
    float d = -7 / 2;
    return float4(a, b, c, d);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! run T
//! expect rgba 0 0.5 6 -3
