// Compound assignments compute in the common type of both sides and
// convert back to the left side's type: an int times 2.5 truncates after
// the multiplication, not before.
float4 Main() : COLOR0
{
    int i = 3;
    i *= 2.5;
    int j = 7;
    j /= 2.0;
    float f = 7;
    f /= 2;
    int2 v = int2(5, -5);
    v *= 1.5;
    return float4(i, j, f, v.x * 10 + v.y);
}

technique T { pass P0 { PixelShader = compile ps_3_0 Main(); } }

//! run T
//! expect rgba 7 3 3.5 63
