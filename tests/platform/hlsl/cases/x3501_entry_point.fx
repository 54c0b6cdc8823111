// A pass that compiles a function the file does not define.
float4 Main() : COLOR0
{
    return 1;
}

technique T
{
    pass P0
    {
        PixelShader = compile ps_2_0 Mian();
    }
}

//! error X3501 11 38
