// A compiled vertex shader in a pass is reported as not supported.
float4 VS(float4 p : POSITION) : POSITION
{
    return p;
}

float4 PS() : COLOR0
{
    return 1;
}

technique T
{
    pass P0
    {
        VertexShader = compile vs_2_0 VS();
        PixelShader = compile ps_2_0 PS();
    }
}

//! error * 16 *
