// Lists a warning the compile does not give.
float4 Main() : COLOR0
{
    return 1;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! warning X3206 4 12
