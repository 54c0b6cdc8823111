// Conversions that do not exist: struct to number, number to struct,
// vector to a longer vector.
struct S
{
    float a;
};

float4 Main() : COLOR0
{
    S s;
    s.a = 1;
    float x = s;
    S t = 2;
    float2 small = float2(1, 2);
    float4 big = small;
    return x;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3017 12 15
//! error X3017 13 11
//! error X3017 15 18
