// int division truncates toward zero and % takes the sign of the dividend;
// float to int conversion truncates; int with float promotes to float;
// bool converts to 0 or 1.
int a;
int b;
float f;

float4 Divide() : COLOR0
{
    int q = a / b;
    int r = a % b;
    int2 v = int2(a, -a) / b;
    return float4(q, r, v);
}

float4 Convert() : COLOR0
{
    int t = (int)f;
    int u = (int)(-f);
    float halved = a / 2;
    float exact = a / 2.0;
    return float4(t, u, halved, exact);
}

float4 Mixed() : COLOR0
{
    uint u = 7;
    bool yes = f;
    bool no = 0.0;
    return float4(u / 2, (float)yes, (float)no + 2 * (int)yes, (int3(7, -7, 9) % 4).y);
}

technique TDivide { pass P0 { PixelShader = compile ps_3_0 Divide(); } }
technique TConvert { pass P0 { PixelShader = compile ps_3_0 Convert(); } }
technique TMixed { pass P0 { PixelShader = compile ps_3_0 Mixed(); } }

//! run TDivide
//! set a -7
//! set b 2
//! expect rgba -3 -1 -3 3
//! run TDivide
//! set a 7
//! set b -2
//! expect rgba -3 1 -3 3
//! run TDivide
//! set a 9
//! set b 3
//! expect rgba 3 0 3 -3
//! run TConvert
//! set a 7
//! set f 2.75
//! expect rgba 2 -2 3 3.5
//! run TConvert
//! set a -7
//! set f -0.5
//! expect rgba 0 0 -3 -3.5
//! run TMixed
//! set f 2.5
//! expect rgba 3 1 2 -3
