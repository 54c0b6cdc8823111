// Matrices are filled and read row by row: constructors from vectors or
// numbers, initialisers of parameters.
float2x2 gM = { 1, 2, 3, 4 };
float2x3 gWide = { 1, 2, 3, 4, 5, 6 };

float4 FromVectors() : COLOR0
{
    float2x2 m = float2x2(float2(1, 2), float2(3, 4));
    float3x2 n = float3x2(float2(1, 2), 3, 4, float2(5, 6));
    return float4(m[0][1], m[1][0], n[1][0], n[2].y);
}

float4 Initialised() : COLOR0
{
    return float4(gM[0][1], gM[1][0], gWide[0][2], gWide[1][0]);
}

technique TFromVectors { pass P0 { PixelShader = compile ps_2_0 FromVectors(); } }
technique TInitialised { pass P0 { PixelShader = compile ps_2_0 Initialised(); } }

//! run TFromVectors
//! expect rgba 2 3 3 6
//! run TInitialised
//! expect rgba 2 3 3 4
