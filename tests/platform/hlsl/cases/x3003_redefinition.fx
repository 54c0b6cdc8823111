// A name declared twice in the same scope; a parameter, a global and a
// function each count.
float g;
float g;

float Twice(float x)
{
    return x * 2;
}

float Twice(float y)
{
    return y * 2;
}

float4 Main() : COLOR0
{
    float a = 1;
    float a = 2;
    return a + g + Twice(1);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3003 4 7
//! error X3003 11 7
//! error X3003 19 11
