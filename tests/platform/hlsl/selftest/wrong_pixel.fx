// One texel of four is off by one ulp.
float4 Main(float2 uv : TEXCOORD0) : COLOR0
{
    return uv.x < 0.5 ? 1.0 : 2.0;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! run T
//! target 2 1
//! expect rgba 1 1 1 1  2 2 2.0000002 2
