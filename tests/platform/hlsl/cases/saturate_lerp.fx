// saturate clamps to [0, 1]; lerp(a, b, t) = a + t * (b - a), with a
// scalar t splatting over vector ends; clamp, min and max per component.
texture xs;
sampler sx = sampler_state { Texture = <xs>; MinFilter = Point; MagFilter = Point; AddressU = Clamp; AddressV = Clamp; };

float4 Saturate(float2 uv : TEXCOORD0) : COLOR0
{
    float x = tex2D(sx, uv).r;
    float2 v = saturate(float2(x, x * 2));
    return float4(saturate(x), v, clamp(x, -0.25, 0.75));
}

float4 Lerp(float2 uv : TEXCOORD0) : COLOR0
{
    float t = tex2D(sx, uv).r;
    float2 v = lerp(float2(0, 10), float2(10, 30), t);
    return float4(lerp(2, 4, t), v, lerp(-8, 8, t));
}

float4 MinMax(float2 uv : TEXCOORD0) : COLOR0
{
    float x = tex2D(sx, uv).r;
    float2 lo = min(float2(x, 0.5), float2(0.25, x));
    float2 hi = max(float2(x, 0.5), float2(0.25, x));
    return float4(lo, hi);
}

technique TSaturate { pass P0 { PixelShader = compile ps_2_0 Saturate(); } }
technique TLerp { pass P0 { PixelShader = compile ps_2_0 Lerp(); } }
technique TMinMax { pass P0 { PixelShader = compile ps_2_0 MinMax(); } }

//! run TSaturate
//! target 4 1
//! texture xs r32f 4 1   -0.5 0.25 0.75 1.5
//! expect rgba
//!   0 0 0 -0.25
//!   0.25 0.25 0.5 0.25
//!   0.75 0.75 1 0.75
//!   1 1 1 0.75
//! run TLerp
//! target 4 1
//! texture xs r32f 4 1   0 0.25 0.5 1
//! expect rgba
//!   2 0 10 -8
//!   2.5 2.5 15 -4
//!   3 5 20 0
//!   4 10 30 8
//! run TMinMax
//! target 2 1
//! texture xs r32f 2 1   0 1
//! expect rgba
//!   0 0 0.25 0.5
//!   0.25 0.5 1 1
