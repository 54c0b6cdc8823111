// The benchmark's kind of effect: one step of Gaussian elimination over R32F
// textures with point sampling. poctyRow writes the factor column
// f[y] = A[y][k] / A[k][k] into a 1 x height target; poctySubMat writes
// A[y][x] - f[y] * A[k][x] below the pivot row from column k on, and A
// elsewhere; poctyMulMat scales by COLOR1.w. COLOR1 = (width, height, 1, k).
texture mytex;
texture mytexTemp;
float4 COLOR1;

sampler smp = sampler_state
{
    Texture = <mytex>;
    MinFilter = Point;
    MagFilter = Point;
    MipFilter = None;
    AddressU = Clamp;
    AddressV = Clamp;
};

sampler smpTemp = sampler_state
{
    Texture = <mytexTemp>;
    MinFilter = Point;
    MagFilter = Point;
    MipFilter = None;
    AddressU = Clamp;
    AddressV = Clamp;
};

float4 RowFactor(float2 uv : TEXCOORD0) : COLOR0
{
    float k = COLOR1.w;
    float column = (k + 0.5) / COLOR1.x;
    float a = tex2D(smp, float2(column, uv.y)).r;
    float pivot = tex2D(smp, float2(column, (k + 0.5) / COLOR1.y)).r;
    return a / pivot;
}

float4 SubMat(float2 uv : TEXCOORD0) : COLOR0
{
    float k = COLOR1.w;
    float a = tex2D(smp, uv).r;
    float f = tex2D(smpTemp, float2(0.5, uv.y)).r;
    float pivotRow = tex2D(smp, float2(uv.x, (k + 0.5) / COLOR1.y)).r;
    float2 texel = uv * COLOR1.xy - 0.5;
    return (texel.y > k + 0.5 && texel.x > k - 0.5) ? a - f * pivotRow : a;
}

float4 MulMat(float2 uv : TEXCOORD0) : COLOR0
{
    return COLOR1.w * tex2D(smp, uv).r;
}

technique poctyRow { pass P0 { PixelShader = compile ps_2_0 RowFactor(); } }
technique poctySubMat { pass P0 { PixelShader = compile ps_2_0 SubMat(); } }
technique poctyMulMat { pass P0 { PixelShader = compile ps_2_0 MulMat(); } }

//! run poctyRow
//! target 1 3
//! set COLOR1 4 3 1 0
//! texture mytex r32f 4 3
//!   2 1 1 5
//!   4 3 3 13
//!   8 7 9 35
//! expect r 1 2 4
//! run poctySubMat
//! target 4 3
//! set COLOR1 4 3 1 0
//! texture mytex r32f 4 3
//!   2 1 1 5
//!   4 3 3 13
//!   8 7 9 35
//! texture mytexTemp r32f 1 3   1 2 4
//! expect r
//!   2 1 1 5
//!   0 1 1 3
//!   0 3 5 15
//! run poctyRow
//! target 1 3
//! set COLOR1 4 3 1 1
//! texture mytex r32f 4 3
//!   2 1 1 5
//!   0 1 1 3
//!   0 3 5 15
//! expect r 1 1 3
//! run poctySubMat
//! target 4 3
//! set COLOR1 4 3 1 1
//! texture mytex r32f 4 3
//!   2 1 1 5
//!   0 1 1 3
//!   0 3 5 15
//! texture mytexTemp r32f 1 3   1 1 3
//! expect r
//!   2 1 1 5
//!   0 1 1 3
//!   0 0 2 6
//! run poctyMulMat
//! target 4 3
//! set COLOR1 4 3 1 3
//! texture mytex r32f 4 3
//!   2 1 1 5
//!   0 1 1 3
//!   0 3 5 15
//! expect r
//!   6 3 3 15
//!   0 3 3 9
//!   0 9 15 45
