// Operands of different vector lengths: the longer one is truncated to the
// shorter (warning X3206 at the truncated operand); a vector assigned to a
// scalar keeps its first component, also when returned.
float4 v4;
float2 v2;

float First(float4 v)
{
    return v;
}

float4 Main() : COLOR0
{
    float2 sum = v4 + v2;
    bool2 less = v2 < v4;
    float s = v4;
    return float4(sum, less.y + s * 10, First(v4 * 2));
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! warning X3206 9 12
//! warning X3206 14 18
//! warning X3206 15 23
//! warning X3206 16 15
//! run T
//! set v4 1 2 3 4
//! set v2 10 1
//! expect rgba 11 3 11 2
