// fmod(x, y) = x - y * trunc(x / y): the result has the sign of x, unlike
// GLSL's mod. The float % operator means the same.
texture xs;
sampler sx = sampler_state { Texture = <xs>; MinFilter = Point; MagFilter = Point; AddressU = Clamp; AddressV = Clamp; };
float y;

float4 Fmod(float2 uv : TEXCOORD0) : COLOR0
{
    float x = tex2D(sx, uv).r;
    return float4(fmod(x, y), x % y, fmod(float2(x, -x), y));
}

technique T { pass P0 { PixelShader = compile ps_2_0 Fmod(); } }

//! run T
//! target 5 1
//! set y 2
//! texture xs r32f 5 1   5.5 -5.5 4 -0.5 1
//! expect rgba
//!   1.5 1.5 1.5 -1.5
//!   -1.5 -1.5 -1.5 1.5
//!   0 0 0 -0
//!   -0.5 -0.5 -0.5 0.5
//!   1 1 1 -1
//! run T
//! target 5 1
//! set y -2
//! texture xs r32f 5 1   5.5 -5.5 4 -0.5 1
//! expect rgba
//!   1.5 1.5 1.5 -1.5
//!   -1.5 -1.5 -1.5 1.5
//!   0 0 0 -0
//!   -0.5 -0.5 -0.5 0.5
//!   1 1 1 -1
