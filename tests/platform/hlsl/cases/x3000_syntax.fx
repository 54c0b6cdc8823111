// Syntax errors point at the token that cannot go on.
float4 Main() : COLOR0
{
    float x = 1 + ;
    return x;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3000 4 19
//! other-errors
