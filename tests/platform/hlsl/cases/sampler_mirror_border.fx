// Mirror addressing reflects the texture at each edge; Border returns the
// border colour (ARGB) outside it; a sampler without states filters with
// Point and wraps. The 2 x 1 texture holds 3 and 5; the texels read are
// -2, 1, 4 and 7.
texture tex;
sampler sMirror = sampler_state { Texture = <tex>; AddressU = Mirror; AddressV = Clamp; };
sampler sBorder = sampler_state { Texture = <tex>; AddressU = Border; AddressV = Border; BorderColor = 0xFFFF0000; };
sampler sDefault = sampler_state { Texture = <tex>; };

float4 Sample(float2 uv : TEXCOORD0) : COLOR0
{
    float2 far = float2(uv.x * 6 - 1.5, 0.5);
    return float4(tex2D(sMirror, far).r, tex2D(sBorder, far).r, tex2D(sDefault, far).r, 0);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Sample(); } }

//! run T
//! target 4 1
//! texture tex r32f 2 1   3 5
//! expect rgba
//!   5 1 3 0
//!   5 5 5 0
//!   3 1 3 0
//!   3 1 5 0
