// The vertex colours reach the pixel shader as COLOR0 (diffuse, 1 1 1 1)
// and COLOR1 (specular, 0 0 0 0), also when the shader writes COLOR0.
float4 Inputs(float4 diffuse : COLOR0, float4 specular : COLOR1) : COLOR0
{
    return float4(diffuse.xy, specular.z, diffuse.w + specular.w * 2);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Inputs(); } }

//! run T
//! expect rgba 1 1 0 1
