// Functions overload on their parameter types; the call picks the exact
// match, then the best conversion.
float Pick(float x) { return 1; }
float Pick(float2 x) { return 2; }
float Pick(int x) { return 3; }
float Pick(float4 x, float y) { return 4 + y; }

float4 Main() : COLOR0
{
    float f = 1;
    int i = 1;
    float2 v = 1;
    return float4(Pick(f) + Pick(v) * 10, Pick(i), Pick(float4(1, 2, 3, 4), 5), Pick(2.5));
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! run T
//! expect rgba 21 3 9 1
