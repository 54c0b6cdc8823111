// discard and clip() leave the target texel as it was; clip discards when
// any component of its argument is below zero.
float4 Discard(float2 uv : TEXCOORD0) : COLOR0
{
    if (uv.x > 0.5)
        discard;
    return float4(1, 2, 3, 4);
}

float4 Clip(float2 uv : TEXCOORD0) : COLOR0
{
    clip(uv.x - 0.5);
    return uv.x * 8;
}

float4 ClipVector(float2 uv : TEXCOORD0) : COLOR0
{
    clip(float2(1, uv.x - 0.3));
    clip(0.6 - uv.x);
    return 5;
}

technique TDiscard { pass P0 { PixelShader = compile ps_2_0 Discard(); } }
technique TClip { pass P0 { PixelShader = compile ps_2_0 Clip(); } }
technique TClipVector { pass P0 { PixelShader = compile ps_2_0 ClipVector(); } }

//! run TDiscard
//! target 4 1
//! clear -1 -1 -1 -1
//! expect rgba 1 2 3 4  1 2 3 4  -1 -1 -1 -1  -1 -1 -1 -1
//! run TClip
//! target 4 1
//! clear -1 -1 -1 -1
//! expect r -1 -1 5 7
//! run TClipVector
//! target 4 1
//! clear -1 -1 -1 -1
//! expect r -1 5 -1 -1
