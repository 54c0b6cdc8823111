// Intrinsics on int arguments: those GLSL has only for float (dot, sqrt,
// frac, floor, lerp, fmod, round) still work, and abs, max, sign stay exact.
int n;
int3 a;
int3 b;
int sixteen;

float4 Main() : COLOR0
{
    return float4(dot(a, b), abs(n) + max(a, b).z * 10, sqrt(sixteen) + fmod(n, 2) * 10 + sign(n) * 100,
                  frac(n) + floor(n) + lerp(n, 1, 0.5) + round(n) * 10);
}

technique T { pass P0 { PixelShader = compile ps_3_0 Main(); } }

//! run T
//! set n -7
//! set a 1 2 3
//! set b 4 5 6
//! set sixteen 16
//! expect rgba 32 67 -106 -80
