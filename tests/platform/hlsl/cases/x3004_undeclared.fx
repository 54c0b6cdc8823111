// Names that were never declared, or are used outside their scope.
float4 Main() : COLOR0
{
    {
        float inner = 1;
    }
    float4 r = float4(q, 0, 0, 1);
    return r + inner + Nowhere(1);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3004 7 23
//! error X3004 8 16
//! error X3004 8 24
