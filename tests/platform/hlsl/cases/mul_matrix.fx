// mul(v, M) treats v as a row vector, mul(M, v) as a column vector, and
// M[i] is row i of M; matrix parameters are given row by row.
float2x3 M;
float3x2 N;
float4x4 W;

float4 VectorTimesMatrix() : COLOR0
{
    float3 r = mul(float2(1, 10), M);
    float2 c = mul(M, float3(1, 10, 100));
    return float4(r.x, r.z, c);
}

float4 MatrixTimesMatrix() : COLOR0
{
    float2x2 P = mul(M, N);
    return float4(P[0], P[1]);
}

float4 RowsAndLocals() : COLOR0
{
    float2x3 L = float2x3(1, 2, 3, 4, 5, 6);
    float3 row = L[1];
    float3x3 I = { 1, 0, 0, 0, 1, 0, 0, 0, 1 };
    float3 same = mul(row, I);
    return float4(row.x, M[1][2], L[0][1], same.z);
}

float4 Transform(float4 p : TEXCOORD1) : COLOR0
{
    return mul(float4(1, 2, 3, 1), W);
}

technique TVector { pass P0 { PixelShader = compile ps_2_0 VectorTimesMatrix(); } }
technique TMatrix { pass P0 { PixelShader = compile ps_2_0 MatrixTimesMatrix(); } }
technique TRows { pass P0 { PixelShader = compile ps_2_0 RowsAndLocals(); } }
technique TTransform { pass P0 { PixelShader = compile ps_2_0 Transform(); } }

//! run TVector
//! set M 1 2 3  4 5 6
//! expect rgba 41 63 321 654
//! run TMatrix
//! set M 1 2 3  4 5 6
//! set N 1 0  0 1  1 1
//! expect rgba 4 5 10 11
//! run TRows
//! set M 1 2 3  4 5 7
//! expect rgba 4 7 2 6
//! run TTransform
//! set W 1 0 0 0  0 1 0 0  0 0 1 0  10 20 30 1
//! expect rgba 11 22 33 1
