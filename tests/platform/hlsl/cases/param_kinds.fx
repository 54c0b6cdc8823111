// Parameters of every kind reach the shader with the values set: bool,
// int vectors, float vectors, square and non-square matrices (row by row).
bool flag;
int2 counts;
float3 colour;
float3x3 rot;
float2x4 wide;
float4x2 tall;

float4 Main() : COLOR0
{
    float3 r = mul(float3(1, 10, 100), rot);
    float4 w = mul(float2(1, 10), wide);
    float2 t = mul(float4(1, 10, 100, 1000), tall);
    return float4(flag ? colour.z : -1, counts.x * 100 + counts.y, r.y + w.w, t.y);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! run T
//! set flag 1
//! set counts 3 -4
//! set colour 0.5 0.25 0.125
//! set rot 1 2 3  4 5 6  7 8 9
//! set wide 1 2 3 4  5 6 7 8
//! set tall 1 2  3 4  5 6  7 8
//! expect rgba 0.125 296 936 8642
//! run T
//! set flag 0
//! set counts 0 0
//! set colour 0 0 0
//! set rot 0 0 0  0 0 0  0 0 0
//! set wide 0 0 0 0  0 0 0 0
//! set tall 0 0  0 0  0 0  0 0
//! expect rgba -1 0 0 0
