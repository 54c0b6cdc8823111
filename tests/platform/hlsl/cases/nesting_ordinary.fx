// Ordinary code nests deeper than a toy limit: 256 nested parentheses, a
// Horner polynomial 25 deep and a flat chain of 199 terms all compile.
float x;

float4 Main() : COLOR0
{
    float a = ((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((x))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))))));
    float b = (((((((((((((((((((((((((1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1) * x + 1;
    float c = x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x + x;
    return float4(a, b, c, 1);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! ulps 4
//! run T
//! set x 0.5
//! expect rgba 0.5 2.0 99.5 1
