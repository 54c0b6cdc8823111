// Numbers serve as conditions (non-zero is true) in if, while, !, && and
// ?:, as HLSL allows and GLSL does not.
int n;
float f;

float4 Main() : COLOR0
{
    float r = 0;
    if (n)
        r += 1;
    if (f)
        r += 10;
    if (!f)
        r += 100;
    r += (f && n) ? 1000 : 0;
    while (n)
    {
        r += 5000;
        break;
    }
    return f ? r : -r;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! run T
//! set n 2
//! set f 0.5
//! expect r 6011
//! run T
//! set n 0
//! set f 0
//! expect r -100
//! run T
//! set n -1
//! set f 0
//! expect r -5101
