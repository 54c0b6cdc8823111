// A missing semicolon after a global: the next token is unexpected.
float4 a
float4 b;

float4 Main() : COLOR0
{
    return a + b;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3000 3 1
//! other-errors
