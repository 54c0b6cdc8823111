// The quad gives every texel the centre of the same texel of an equally
// sized texture, row y at v = (y + 0.5) / H, so a point-sampled copy is
// exact. An R32F texture samples as (r, 1, 1, 1); unused texture
// coordinates are (0, 0, 0, 1).
texture src;
texture2D one;
sampler2D sSrc = sampler_state { Texture = <src>; MinFilter = Point; MagFilter = Point; AddressU = Clamp; AddressV = Clamp; };
sampler sOne = sampler_state { Texture = <one>; MinFilter = Point; MagFilter = Point; };

float4 Copy(float2 uv : TEXCOORD0) : COLOR0
{
    return tex2D(sSrc, uv);
}

float4 CopyR32F(float4 uv : TEXCOORD0) : COLOR
{
    return tex2D(sOne, uv.xy);
}

float4 Inputs(float4 t1 : TEXCOORD1, float4 uv : TEXCOORD0, float4 t7 : TEXCOORD7) : COLOR0
{
    return float4(t1.x + t7.y, uv.z, t1.z, t1.w + uv.w + t7.w);
}

technique CopyRgba { pass P0 { PixelShader = compile ps_2_0 Copy(); } }
technique CopyR { pass P0 { PixelShader = compile ps_2_0 CopyR32F(); } }
technique Varyings { pass P0 { VertexShader = NULL; PixelShader = compile ps_3_0 Inputs(); } }

//! run CopyRgba
//! target 3 2
//! texture src rgba32f 3 2
//!   1 2 3 4      5 6 7 8      9 10 11 12
//!   -1 -2 -3 -4  0.5 0.25 0.125 1e30  -1e-30 7 8 9
//! expect rgba
//!   1 2 3 4      5 6 7 8      9 10 11 12
//!   -1 -2 -3 -4  0.5 0.25 0.125 1e30  -1e-30 7 8 9
//! run CopyR
//! target 2 3
//! texture one r32f 2 3   1.5 -2.5  3.25 4  1e-20 -0
//! expect rgba  1.5 1 1 1  -2.5 1 1 1  3.25 1 1 1  4 1 1 1  1e-20 1 1 1  -0 1 1 1
//! run Varyings
//! expect rgba 0 0 0 3
