// Swizzles and members that the type does not have.
struct S
{
    float a;
};

float4 Main() : COLOR0
{
    float2 t = float2(1, 2);
    float4 v = float4(1, 2, 3, 4);
    S s;
    s.a = 1;
    float a = t.z;
    float2 b = v.xq;
    float c = s.b;
    float2 d = v.xg;
    return a + c + float4(b, d);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3018 13 17
//! error X3018 14 18
//! error X3018 15 17
//! error X3018 16 18
