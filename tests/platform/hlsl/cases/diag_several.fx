// Errors in different functions are all reported in one compile, with the
// warnings, and the compile produces no effect.
float4 v;

float4 First() : COLOR0
{
    return missing;
}

float4 Second() : COLOR0
{
    float2 t = v;
    return float4(1, 2);
}

float4 Third() : COLOR0
{
    return float4(1, 2, 3, 4).xyzq;
}

technique T { pass P0 { PixelShader = compile ps_2_0 First(); } }

//! error X3004 7 12
//! warning X3206 12 16
//! error X3014 13 12
//! error X3018 18 31
