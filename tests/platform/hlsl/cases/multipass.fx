// The passes of a technique run in order into the same target; render
// states are read in any case. fx2glsl_check.cmake uses the names.
float4 base;

float4 Fill() : COLOR0
{
    return base;
}

float4 RightHalf(float2 uv : TEXCOORD0) : COLOR0
{
    if (uv.x < 0.5)
        discard;
    return base * 2;
}

technique Twice
{
    pass First
    {
        CullMode = None;
        ZEnable = false;
        zwriteenable = FALSE;
        AlphaBlendEnable = False;
        LIGHTING = false;
        VertexShader = NULL;
        PixelShader = compile ps_2_0 Fill();
    }
    pass Second
    {
        cullmode = NONE;
        PixelShader = compile ps_2_b RightHalf();
    }
}

technique Once
{
    pass Only
    {
        PixelShader = compile ps_3_0 RightHalf();
    }
}

//! run Twice
//! target 2 1
//! set base 1 2 3 4
//! expect rgba 1 2 3 4  2 4 6 8
//! run Twice Second
//! target 2 1
//! set base 1 2 3 4
//! expect rgba 0 0 0 0  2 4 6 8
//! run Once
//! target 2 1
//! clear 9 9 9 9
//! set base 1 1 1 1
//! expect rgba 9 9 9 9  2 2 2 2
