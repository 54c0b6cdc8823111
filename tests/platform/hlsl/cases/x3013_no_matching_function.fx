// A call whose arguments fit no overload of a function or an intrinsic.
struct S
{
    float a;
};

float Twice(float x)
{
    return x * 2;
}

float4 Main() : COLOR0
{
    S s;
    s.a = 1;
    float a = Twice(1, 2);
    float b = lerp(1, 2);
    float c = dot(s, s);
    return a + b + c;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3013 16 15
//! error X3013 17 15
//! error X3013 18 15
