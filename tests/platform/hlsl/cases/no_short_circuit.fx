// &&, || and ?: evaluate all their operands, and on vectors they work per
// component.
float k;
float4 a;
float4 b;

bool Bump(inout float counter, float amount)
{
    counter += amount;
    return true;
}

float4 Scalar() : COLOR0
{
    float counter = 0;
    bool r1 = (k < 0) && Bump(counter, 1);
    bool r2 = (k > 0) || Bump(counter, 10);
    float c = 0;
    bool r3 = (k > 0) || ((c += 100) > 0);
    return float4(counter, r1, r2 + r3 * 2, c);
}

float4 Vector() : COLOR0
{
    bool4 both = (a > 0) && (b > 0);
    bool4 either = (a > 0) || (b > 0);
    return both * 2 + either;
}

float4 Select() : COLOR0
{
    float counter = 0;
    float r = (k > 0) ? Bump(counter, 1) : Bump(counter, 10);
    return float4(counter, r, 0, 0);
}

technique TSelect { pass P0 { PixelShader = compile ps_2_0 Select(); } }
technique TScalar { pass P0 { PixelShader = compile ps_2_0 Scalar(); } }
technique TVector { pass P0 { PixelShader = compile ps_2_0 Vector(); } }

//! run TScalar
//! set k 1
//! expect rgba 11 0 3 100
//! run TVector
//! set a 1 -1 1 -1
//! set b 1 1 -1 -1
//! expect rgba 3 1 1 0
//! run TSelect
//! set k 1
//! expect rgba 11 1 0 0
