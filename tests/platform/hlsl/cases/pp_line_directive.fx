// #line sets the line (and file name) that diagnostics report.
float4 Main() : COLOR0
{
#line 100
    float a = first;
#line 200 "other.fx"
    float b = second;
    return a + b;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3004 100 15
//! error X3004 200 15 other.fx
