// Entry points may return a scalar or a short vector (the target's first
// components), write out parameters instead of returning, and spell
// semantics in any case, with or without an index.
float ScalarOut() : COLOR0
{
    return 3;
}

float2 PairOut(float2 uv : texcoord) : color
{
    return float2(uv.x * 2, 7);
}

void OutParam(float2 uv : TexCoord0, out float4 colour : Color0)
{
    colour = float4(uv.y * 2, 1, 2, 3);
}

struct Result
{
    float4 c : COLOR;
};

void OutStruct(out Result r)
{
    r.c = float4(4, 5, 6, 7);
}

technique TScalar { pass P0 { PixelShader = compile ps_2_0 ScalarOut(); } }
technique TPair { pass P0 { PixelShader = compile ps_2_0 PairOut(); } }
technique TOutParam { pass P0 { PixelShader = compile ps_2_0 OutParam(); } }
technique TOutStruct { pass P0 { PixelShader = compile ps_2_0 OutStruct(); } }

//! run TScalar
//! expect r 3
//! run TPair
//! expect rgba 1 7 x x
//! run TOutParam
//! expect rgba 1 1 2 3
//! run TOutStruct
//! expect rgba 4 5 6 7
