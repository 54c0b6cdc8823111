// Number literals: suffixes, exponents, leading and trailing dots, hex and
// unsigned integers.
float4 Main() : COLOR0
{
    float a = 1.5f + .5 + 5. + 1e2 + 2.5e-1 + 4E+1;
    int b = 0x10 + 7u + 3;
    float c = 1.0h * 2;
    uint d = 0xFFu;
    return float4(a, b, c, d);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! run T
//! expect rgba 147.25 26 2 255
