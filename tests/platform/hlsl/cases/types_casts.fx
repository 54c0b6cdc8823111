// half is float; float1 is a one-component vector; explicit casts truncate
// vectors without a warning and convert float to int toward zero.
float4 Types() : COLOR0
{
    half h = 1.5;
    float1 one = 2;
    half2 hh = half2(h, one);
    float3 v = (float3)float4(1, 2, 3, 4);
    int2 i = (int2)float2(2.7, -2.7);
    return float4(hh, v.z, i.x - i.y);
}

float4 Operators() : COLOR0
{
    float4 v = float4(1, -2, 3, -4);
    float4 n = -v;
    bool4 z = !(v > 0);
    int i = 5;
    i++;
    ++i;
    i--;
    float f = 10;
    f -= 2;
    f *= 3;
    f /= 4;
    int m = 17;
    m %= 5;
    return float4(n.y + n.w, (float)z.y + z.w * 2 + z.x * 4, i * 10 + m, f);
}

technique TTypes { pass P0 { PixelShader = compile ps_2_0 Types(); } }
technique TOperators { pass P0 { PixelShader = compile ps_3_0 Operators(); } }

//! run TTypes
//! expect rgba 1.5 2 3 4
//! run TOperators
//! expect rgba 6 3 62 6
