// Point and Linear filtering with Clamp and Wrap addressing, state names
// and values in any case. The 2 x 1 texture holds 0 and 10.
texture tex;
sampler sPointClamp = sampler_state { Texture = <tex>; MinFilter = Point; MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; };
sampler sPointWrap = sampler_state { texture = <tex>; minfilter = POINT; magfilter = point; addressu = WRAP; addressv = wrap; };
sampler sLinearClamp = sampler_state { TEXTURE = <tex>; MINFILTER = LINEAR; MAGFILTER = Linear; ADDRESSU = CLAMP; ADDRESSV = Clamp; MaxAnisotropy = 1; MipMapLodBias = 0; };
sampler2D sLinearWrap = sampler_state { Texture = <tex>; MinFilter = linear; MagFilter = linear; MipFilter = Point; AddressU = Wrap; AddressV = Wrap; };

float4 Sample(float2 uv : TEXCOORD0) : COLOR0
{
    float2 outside = float2(uv.x * 2 - 0.5, 0.5);
    return float4(tex2D(sPointClamp, outside).r, tex2D(sPointWrap, outside).r,
                  tex2D(sLinearClamp, uv).r, tex2D(sLinearWrap, uv).r);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Sample(); } }

//! run T
//! target 4 1
//! texture tex r32f 2 1   0 10
//! ulps 16
//! expect rgba
//!   0 10 0 2.5
//!   0 0 2.5 2.5
//!   10 10 7.5 7.5
//!   10 0 10 7.5
