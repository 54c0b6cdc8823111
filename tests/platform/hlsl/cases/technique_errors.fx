// Pass assignments that are not understood: an unknown shader profile, an
// unknown render state value, a pass without a pixel shader.
float4 Main() : COLOR0
{
    return 1;
}

technique T1 { pass P0 { PixelShader = compile ps_9_9 Main(); } }
technique T2 { pass P0 { CullMode = Sideways; PixelShader = compile ps_2_0 Main(); } }

//! error * 8 *
//! error * 9 *
