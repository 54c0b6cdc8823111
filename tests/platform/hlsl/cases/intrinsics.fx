// The intrinsics with exactly representable results, one group per texel
// of a 6 x 1 target, and the transcendental ones within a few ulps.
float4 zero;  // keeps the GL compiler from folding the arguments

float4 Exact(float2 uv : TEXCOORD0) : COLOR0
{
    float4 z = zero;
    int i = (int)(uv.x * 6);
    if (i == 0)
        return float4(abs(-2.5 + z.x), ceil(-1.5 + z.x), floor(-1.5 + z.x), trunc(-1.75 + z.x));
    if (i == 1)
        return float4(sign(-3 + z.x), sign(z.x), sign(2 + z.x), step(1, 1 + z.x) + 2 * step(2, 1 + z.x));
    if (i == 2)
        return float4(dot(float3(1, 2, 3) + z.xyz, float3(4, 5, 6)), cross(float3(1, 2, 3) + z.xyz, float3(4, 5, 6)));
    if (i == 3)
        return float4(sqrt(16 + z.x), max(3, 7 + z.x), min(3, 7 + z.x), clamp(5 + z.x, 0, 3));
    if (i == 4)
        return float4(smoothstep(0, 1, 0.5 + z.x), smoothstep(0, 2, 0.5 + z.x), smoothstep(1, 2, 3 + z.x), smoothstep(1, 2, z.x));
    return float4(all(float3(1, 2, 3) + z.xyz), all(float3(1, 0, 3) + z.xyz), any(float2(0, 0) + z.xy), any(float2(0, -1) + z.xy));
}

float4 Approx(float2 uv : TEXCOORD0) : COLOR0
{
    float4 z = zero;
    int i = (int)(uv.x * 4);
    if (i == 0)
        return float4(rsqrt(4 + z.x), rcp(4 + z.x), exp2(3 + z.x), log2(8 + z.x));
    if (i == 1)
        return float4(pow(2 + z.x, 10), length(float2(3, 4) + z.xy), normalize(float2(3, 4) + z.xy));
    if (i == 2)
        return float4(exp(z.x), log(1 + z.x), sin(z.x), cos(z.x));
    return float4(exp(1 + z.x), log(8 + z.x), sin(1.5 + z.x), cos(1 + z.x));
}

technique TExact { pass P0 { PixelShader = compile ps_3_0 Exact(); } }
technique TApprox { pass P0 { PixelShader = compile ps_3_0 Approx(); } }

//! run TExact
//! target 6 1
//! expect rgba
//!   2.5 -1 -2 -1
//!   -1 0 1 1
//!   32 -3 6 -3
//!   4 7 3 3
//!   0.5 0.15625 1 0
//!   1 0 0 1
//! run TApprox
//! target 4 1
//! ulps 8
//! expect rgba
//!   0.5 0.25 8 3
//!   1024 5 0.6 0.8
//!   1 0 0 1
//!   2.71828183 2.07944154 0.997494987 0.540302306
