// Sampler states given as numbers: only the numbers of the named values
// are accepted (filters 0-3, 6, 7; addresses 1-5). Any other number is an
// invalid value, reported at the value.
texture tex;
sampler sGood = sampler_state { Texture = <tex>; MinFilter = 2; MagFilter = 1; MipFilter = 0; AddressU = 1; AddressV = 5; };
sampler sQuad = sampler_state { Texture = <tex>; MinFilter = 6; MagFilter = 7; MipFilter = 3; AddressU = 3; AddressV = 4; };
sampler sBad1 = sampler_state { Texture = <tex>; MinFilter = 5; MagFilter = 4; MipFilter = 8; };
sampler sBad2 = sampler_state { Texture = <tex>; AddressU = 0; AddressV = 7; AddressW = 6; };

float4 Main(float2 uv : TEXCOORD0) : COLOR0
{
    return tex2D(sGood, uv) + tex2D(sQuad, uv) + tex2D(sBad1, uv) + tex2D(sBad2, uv);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3000 7 62
//! error X3000 7 77
//! error X3000 7 92
//! error X3000 8 61
//! error X3000 8 75
//! error X3000 8 89
