// Gives a warning the case does not list.
float4 v;

float4 Main() : COLOR0
{
    float2 t = v;
    return t.x;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }
