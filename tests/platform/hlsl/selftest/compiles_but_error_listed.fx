// Lists an error, but the effect compiles.
float4 Main() : COLOR0
{
    return 1;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error * * *
