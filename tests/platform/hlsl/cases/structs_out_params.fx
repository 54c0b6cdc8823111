// Structs as values, locals, return values and shader inputs and outputs;
// in parameters are copies, out and inout parameters are copied back.
struct Pair
{
    float a;
    float2 b;
};

struct PixelIn
{
    float2 uv : TEXCOORD0;
    float4 diffuse : COLOR0;
};

struct PixelOut
{
    float4 color : COLOR0;
};

Pair MakePair(float x)
{
    Pair p;
    p.a = x;
    p.b = float2(x * 2, x * 3);
    return p;
}

void Split(in float4 v, out float2 lo, out float2 hi)
{
    lo = v.xy;
    hi = v.zw;
}

void Accumulate(inout float acc, float v)
{
    acc += v;
}

float TimesTen(float x)
{
    x = x * 10;
    return x;
}

float4 Values() : COLOR0
{
    Pair p = MakePair(2);
    float2 lo, hi;
    Split(float4(1, 2, 3, 4), lo, hi);
    float acc = 1;
    Accumulate(acc, 5);
    Accumulate(acc, p.b.y);
    float keep = 3;
    float ten = TimesTen(keep);
    return float4(p.a + p.b.x, lo.y * 100 + hi.x, acc, keep + ten);
}

PixelOut StructIo(PixelIn i)
{
    PixelOut o;
    Pair q = MakePair(i.diffuse.y);
    Pair r = q;
    r.a = 5;
    o.color = float4(i.uv.x * 4, q.a, r.a, r.b.y);
    return o;
}

technique TValues { pass P0 { PixelShader = compile ps_2_0 Values(); } }
technique TStructIo { pass P0 { PixelShader = compile ps_2_0 StructIo(); } }

//! run TValues
//! expect rgba 6 203 12 33
//! run TStructIo
//! target 2 1
//! expect rgba 1 1 5 3  3 1 5 3
