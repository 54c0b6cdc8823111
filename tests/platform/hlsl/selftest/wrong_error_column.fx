// The error is listed one column off.
float4 Main() : COLOR0
{
    return missing;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3004 4 13
