// "compile ps_x f(args)" binds the entry's uniform parameters to the
// values given in the pass; the other parameters come from the vertices.
float base;

float4 Scaled(float2 uv : TEXCOORD0, uniform float k, uniform float2 offset) : COLOR0
{
    return float4(base * k, offset, uv.x);
}

technique Three { pass P0 { PixelShader = compile ps_2_0 Scaled(3, float2(1, 2)); } }
technique Half { pass P0 { PixelShader = compile ps_2_0 Scaled(0.5, float2(-1, -2)); } }

//! run Three
//! set base 2
//! expect rgba 6 1 2 0.5
//! run Half
//! set base 2
//! expect rgba 1 -1 -2 0.5
