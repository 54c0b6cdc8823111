// A longer vector converts to a shorter one by dropping its last
// components, with warning X3206 at the truncated expression.
float4 v;

float Sum2(float2 p)
{
    return p.x + p.y;
}

float4 Truncate() : COLOR0
{
    float2 t = v;
    float s = Sum2(v);
    float3 u;
    u = v;
    return float4(t, s, u.z);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Truncate(); } }

//! warning X3206 12 16
//! warning X3206 13 20
//! warning X3206 15 9
//! run T
//! set v 1 2 3 4
//! expect rgba 1 2 3 3
