// A matrix converts to a vector of as many components, and a constructor
// takes a matrix argument, both row by row.
float4 Flatten() : COLOR0
{
    float2x2 m = float2x2(1, 2, 3, 4);
    float4 v = (float4)m;
    float4 w = float4(m);
    return float4(v.y, v.z, w.y * 10 + w.z, m[1].yx.x);
}

technique TFlatten { pass P0 { PixelShader = compile ps_2_0 Flatten(); } }

//! run TFlatten
//! expect rgba 2 3 23 4
