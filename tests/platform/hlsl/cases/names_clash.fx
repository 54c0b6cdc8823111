// HLSL names that are GLSL keywords, built-ins or the generated shader's
// own names must not collide in the GLSL.
float4 mix;
float input;
float4 kd_TEXCOORD0;
float kd_result;
float4 gl_Thing;
float a__b;

struct layout
{
    float smooth;
    float flat;
};

float fract(float active)
{
    return active * 2;
}

float4 main(float2 texture_ : TEXCOORD0) : COLOR0
{
    layout varying;
    varying.smooth = mix.x;
    varying.flat = fract(input);
    float4 vec4 = kd_TEXCOORD0 + gl_Thing;
    float attribute = kd_result + a__b;
    return float4(varying.smooth + varying.flat, vec4.y, attribute, texture_.x * 2);
}

technique T { pass P0 { PixelShader = compile ps_2_0 main(); } }

//! run T
//! set mix 1 0 0 0
//! set input 2
//! set kd_TEXCOORD0 0 10 0 0
//! set gl_Thing 0 5 0 0
//! set kd_result 3
//! set a__b 4
//! expect rgba 5 15 7 1
