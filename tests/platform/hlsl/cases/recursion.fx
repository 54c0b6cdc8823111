// Recursion cannot be translated; the compile says so instead of handing
// GL a shader it rejects.
float Down(float x)
{
    return x > 0 ? Down(x - 1) : 0;
}

float4 Main() : COLOR0
{
    return Down(3);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error * * *
