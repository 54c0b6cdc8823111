// Semantics, register bindings and annotations on globals are read and
// ignored; so are annotations on techniques and passes.
float4 COLOR1 : COLOR1 < string UIName = "pivot"; float UIMin = 0.0; > = { 0, 0, 1, 0 };
uniform float scale : register(c2) = 3;
texture tex : TEXTURE0 < string Name = "matrix.dds"; >;
sampler2D s : register(s0) = sampler_state { Texture = (tex); };

float4 Shade(float2 uv : TEXCOORD0) : COLOR0
{
    return tex2D(s, uv) * scale + COLOR1;
}

technique T < string Purpose = "test"; int Order = 1; >
{
    pass P0 < bool Visible = true; >
    {
        VertexShader = NULL;
        PixelShader = compile ps_2_a Shade();
    }
}

//! run T
//! texture tex rgba32f 1 1   1 2 3 4
//! expect rgba 3 6 10 12
//! run T
//! set COLOR1 1 1 1 1
//! set scale 0
//! texture tex rgba32f 1 1   1 2 3 4
//! expect rgba 1 1 1 1
