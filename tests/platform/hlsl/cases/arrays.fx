// Arrays: parameters set element by element, static const tables with
// initialisers, local arrays written and read with loop indices.
float4 weights[3];
static const float table[4] = { 1, 10, 100, 1000 };

float4 Main() : COLOR0
{
    float acc[4];
    for (int i = 0; i < 4; ++i)
        acc[i] = table[i] * 2;
    float4 sum = 0;
    for (int j = 0; j < 3; ++j)
        sum += weights[j];
    return float4(acc[1] + acc[3], sum.x, sum.w, weights[2].y);
}

technique T { pass P0 { PixelShader = compile ps_3_0 Main(); } }

//! run T
//! set weights 1 2 3 4  10 20 30 40  100 200 300 400
//! expect rgba 2020 111 444 200
