// static globals are per-pixel variables with initialisers (zero without);
// static const globals are constants; other globals are parameters whose
// initialisers are their initial values; brace initialisers fill in order.
static const float kScale = 2.5;
static float3 gOffset = float3(1, 2, 3);
static float gZero;
const float4 kVec = { 1, 2, 3, 4 };
float gParam = 7;
uniform float2 gPair = float2(0.5, 0.25);
static const float2x2 kMat = { 1, 2, 3, 4 };

float4 Globals() : COLOR0
{
    gOffset.x += 1;
    gZero += 0.5;
    return float4(kScale * 2, gOffset.x + gZero, kVec.w + gParam, gPair.x + gPair.y + kMat[1][0]);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Globals(); } }

//! run T
//! expect rgba 5 2.5 11 3.75
//! run T
//! set gParam 1
//! set kVec 0 0 0 -4
//! set gPair 8 16
//! expect rgba 5 2.5 -3 27
