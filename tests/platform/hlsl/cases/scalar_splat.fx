// A scalar converts to any vector or matrix by copying itself into every
// component, in initialisers, assignments, arguments, returns and operators.
float s;

float Sum4(float4 v)
{
    return v.x + v.y + v.z + v.w;
}

float4 Splat() : COLOR0
{
    float4 v = 2.0;
    float3 t = s;
    int2 i = 7;
    v *= 3;
    float4 w = v + 1;
    return float4(w.x + w.w, t.y, i.x + i.y, Sum4(s));
}

float4 ReturnSplat() : COLOR0
{
    return s * 2;
}

float4 MatrixSplat() : COLOR0
{
    float2x2 m = 5;
    float2x2 n = m * 2 - 1;
    return float4(n[0], n[1]) + s;
}

technique TSplat { pass P0 { PixelShader = compile ps_2_0 Splat(); } }
technique TReturn { pass P0 { PixelShader = compile ps_2_0 ReturnSplat(); } }
technique TMatrix { pass P0 { PixelShader = compile ps_2_0 MatrixSplat(); } }

//! run TSplat
//! set s 1.5
//! expect rgba 14 1.5 14 6
//! run TReturn
//! set s -4
//! expect rgba -8 -8 -8 -8
//! run TMatrix
//! set s 0.5
//! expect rgba 9.5 9.5 9.5 9.5
