// Prototypes let a function call one defined further down; void functions
// may return early.
float Later(float x);

void Clamp01(inout float v)
{
    if (v < 0)
    {
        v = 0;
        return;
    }
    if (v > 1)
        v = 1;
}

float Sooner(float x)
{
    return Later(x) + 1;
}

float Later(float x)
{
    return x * 10;
}

float4 Main() : COLOR0
{
    float lo = -3;
    float hi = 7;
    float mid = 0.5;
    Clamp01(lo);
    Clamp01(hi);
    Clamp01(mid);
    return float4(lo, hi, mid, Sooner(2));
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! run T
//! expect rgba 0 1 0.5 21
