// Samplers passed to functions; two textures on separate units; a sampler
// the pass never reads.
texture texA;
texture texB;
sampler sA = sampler_state { Texture = <texA>; MinFilter = Point; MagFilter = Point; };
sampler sB = sampler_state { Texture = <texB>; MinFilter = Point; MagFilter = Point; };
sampler sUnused = sampler_state { Texture = <texA>; };

float4 Fetch(sampler2D s, float2 uv)
{
    return tex2D(s, uv);
}

float4 Main(float2 uv : TEXCOORD0) : COLOR0
{
    return Fetch(sA, uv) * 10 + Fetch(sB, uv);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! run T
//! target 2 1
//! texture texA r32f 2 1   1 2
//! texture texB rgba32f 2 1   1 2 3 4  5 6 7 8
//! expect rgba 11 12 13 14  25 16 17 18
