// Constructors need exactly as many components as the type has.
float4 Main() : COLOR0
{
    float3 few = float3(1, 2);
    float2 many = float2(1, 2, 3);
    float2x2 m = float2x2(1, 2, 3);
    return float4(few.xy, many);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3014 4 18
//! error X3014 5 19
//! error X3014 6 18
