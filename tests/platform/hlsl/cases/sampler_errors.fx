// Sampler blocks that name a texture that does not exist, or a filter that
// does not exist; tex2D needs a sampler, not a texture. All three are
// reported in one compile.
texture tex;
sampler sMissing = sampler_state { Texture = <nosuch>; };
sampler sBadFilter = sampler_state { Texture = <tex>; MinFilter = Bogus; };

float4 Main(float2 uv : TEXCOORD0) : COLOR0
{
    return tex2D(sMissing, uv) + tex2D(sBadFilter, uv) + tex2D(tex, uv);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3004 5 47
//! error * 6 *
//! error X3013 10 58
