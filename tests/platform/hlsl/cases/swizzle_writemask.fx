// Swizzles read any components in any order (xyzw or rgba), repeated; a
// write mask assigns only the named components, in the order named.
float4 p;

float4 Read() : COLOR0
{
    float4 v = p;
    float2 a = v.zx;
    float3 b = v.bgr;
    return float4(a, b.x + v.wwww.y * 10, v.xyzw.yx.x);
}

float4 Write() : COLOR0
{
    float4 v = p;
    v.wx = v.xy;
    float4 c = 0;
    c.rb = float2(7, 8);
    c.g += 1;
    return v * 10 + c;
}

float4 Chain() : COLOR0
{
    float4 v = float4(1, 2, 3, 4);
    v.xy = v.yx;
    v.zw *= 2;
    float3 t = v.xyz;
    t.z = -t.z;
    return float4(t.zyx, v.w);
}

technique TRead { pass P0 { PixelShader = compile ps_2_0 Read(); } }
technique TWrite { pass P0 { PixelShader = compile ps_2_0 Write(); } }
technique TChain { pass P0 { PixelShader = compile ps_2_0 Chain(); } }

//! run TRead
//! set p 1 2 3 4
//! expect rgba 3 1 43 2
//! run TWrite
//! set p 1 2 3 4
//! expect rgba 27 21 38 10
//! run TChain
//! expect rgba -6 1 2 8
