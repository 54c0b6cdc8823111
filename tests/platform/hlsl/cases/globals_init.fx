// Global initialisers are expressions: statics may use earlier globals;
// parameters get the value of a constant expression as initial value.
static float a = 2;
static float b = a * 3;
static const float2 kPair = float2(1, 2) * 4;
float k = 2 * 3 + 0.5;
float4 c = float4(1, 2, 3, 4) * 2;
float3 d = { 1 + 1, 2 * 2, kPair.y };

float4 Main() : COLOR0
{
    return float4(b, kPair.x + k, c.w, d.x + d.y * 10 + d.z * 100);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! run T
//! expect rgba 6 10.5 8 842
