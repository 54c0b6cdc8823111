// A scalar has one component, x (or r), which a swizzle may repeat.
float s;

float4 Widen() : COLOR0
{
    float3 t = s.xxx;
    return float4(t, s.r + (2.0).x);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Widen(); } }

//! run T
//! set s 1.5
//! expect rgba 1.5 1.5 1.5 3.5
