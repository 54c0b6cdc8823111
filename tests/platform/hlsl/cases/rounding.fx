// round halves to even; frac(x) = x - floor(x) is never negative; floor,
// ceil and trunc as usual.
texture xs;
sampler sx = sampler_state { Texture = <xs>; MinFilter = Point; MagFilter = Point; AddressU = Clamp; AddressV = Clamp; };

float4 Round(float2 uv : TEXCOORD0) : COLOR0
{
    float x = tex2D(sx, uv).r;
    return float4(round(x), frac(x), floor(x), ceil(x));
}

float4 Trunc(float2 uv : TEXCOORD0) : COLOR0
{
    float x = tex2D(sx, uv).r;
    float2 r = round(float2(x, x + 1));
    return float4(trunc(x), r, frac(-x));
}

technique TRound { pass P0 { PixelShader = compile ps_2_0 Round(); } }
technique TTrunc { pass P0 { PixelShader = compile ps_2_0 Trunc(); } }

//! run TRound
//! target 8 1
//! texture xs r32f 8 1   0.5 1.5 2.5 -0.5 -1.5 -2.5 2.25 -1.75
//! expect rgba
//!   0 0.5 0 1
//!   2 0.5 1 2
//!   2 0.5 2 3
//!   -0 0.5 -1 -0
//!   -2 0.5 -2 -1
//!   -2 0.5 -3 -2
//!   2 0.25 2 3
//!   -2 0.25 -2 -1
//! run TTrunc
//! target 4 1
//! texture xs r32f 4 1   0.5 -1.5 2.75 -2.75
//! expect rgba
//!   0 0 2 0.5
//!   -1 -2 -0 0.5
//!   2 3 4 0.25
//!   -2 -3 -2 0.75
