// Constants, parameters (non-static globals) and in-only expressions
// cannot be assigned.
static const float kLimit = 1;
float gParam;

float4 Main(float2 uv : TEXCOORD0) : COLOR0
{
    const float local = 2;
    kLimit = 2;
    gParam += 1;
    local = 3;
    return kLimit + gParam + local;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3025 9 5
//! error X3025 10 5
//! error X3025 11 5
