// * on two matrices multiplies component by component (mul is the matrix
// product); matrices compare and convert per component too.
float2x2 A;

float4 Main() : COLOR0
{
    float2x2 B = { 5, 6, 7, 8 };
    float2x2 C = A * B;
    float2x2 D = mul(A, B);
    float2x2 E = A + 1;
    return float4(C[0][1], C[1][1], D[1][0], E[1][1]);
}

float4 Rows() : COLOR0
{
    float3x3 M = { 1, 2, 3, 4, 5, 6, 7, 8, 9 };
    float3 r = M[2];
    M[0] = float3(-1, -2, -3);
    M[1].z = 60;
    return float4(r.x, M[0][2], M[1][2], M[2][1] + M[0][0]);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }
technique TRows { pass P0 { PixelShader = compile ps_2_0 Rows(); } }

//! run T
//! set A 1 2 3 4
//! expect rgba 12 32 43 5
//! run TRows
//! expect rgba 7 -3 60 7
