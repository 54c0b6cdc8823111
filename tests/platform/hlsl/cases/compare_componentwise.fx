// Comparisons of vectors give vectors of bool, and ?: chooses per component.
float4 a;
float4 b;

float4 Select() : COLOR0
{
    bool4 lt = a < b;
    float4 r = lt ? a : b;
    return r + (a == b) * 10;
}

float4 ScalarArms() : COLOR0
{
    return (a < b) ? 1.0 : -1.0;
}

float4 Reduce() : COLOR0
{
    return float4(any(a > b), all(a >= b - 1), (a != b).x, (float)((a < b).y));
}

float4 ScalarCondition() : COLOR0
{
    float4 r = (a.x < b.x) ? a : b;
    bool2 m = bool2(true, false);
    float2 q = m ? float2(5, 6) : float2(7, 8);
    return float4(r.xy, q);
}

technique TSelect { pass P0 { PixelShader = compile ps_2_0 Select(); } }
technique TScalarArms { pass P0 { PixelShader = compile ps_2_0 ScalarArms(); } }
technique TReduce { pass P0 { PixelShader = compile ps_2_0 Reduce(); } }
technique TScalarCondition { pass P0 { PixelShader = compile ps_2_0 ScalarCondition(); } }

//! run TSelect
//! set a 1 5 3 -2
//! set b 2 4 3 -1
//! expect rgba 1 4 13 -2
//! run TScalarArms
//! set a 1 5 3 -2
//! set b 2 4 3 -1
//! expect rgba 1 -1 -1 1
//! run TReduce
//! set a 1 5 3 -2
//! set b 2 4 3 -1
//! expect rgba 1 1 1 0
//! run TScalarCondition
//! set a 1 5 3 -2
//! set b 2 4 3 -1
//! expect rgba 1 5 5 8
