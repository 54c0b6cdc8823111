// Locals shadow globals and outer locals; returns from inside loops and
// nested ifs; discard from a called function.
float g = 1;

float FirstAbove(float limit)
{
    for (int i = 0; i < 10; ++i)
    {
        if (i > limit)
        {
            if (i == 7)
                return -7;
            return i;
        }
    }
    return -1;
}

void DropLeft(float x)
{
    if (x < 0.5)
        discard;
}

float4 Main(float2 uv : TEXCOORD0) : COLOR0
{
    DropLeft(uv.x);
    float g = 2;
    float outer = g;
    {
        float g = 3;
        outer += g;
    }
    return float4(g + outer, FirstAbove(2.5), FirstAbove(6), FirstAbove(20));
}

technique T { pass P0 { PixelShader = compile ps_3_0 Main(); } }

//! run T
//! target 2 1
//! clear 9 9 9 9
//! expect rgba 9 9 9 9  7 3 -7 -1
