// Several declarators in one statement, chained and comma expressions,
// pre- and post-increment values, dangling else.
float k;

float4 Main() : COLOR0
{
    float a = 1, b = a + 1;
    float x, y;
    x = y = 3;
    int i = 5;
    int post = i++;
    int pre = ++i;
    float4 v = 0;
    v.x++;
    v.yz += 2;
    int steps = 0;
    for (int p = 0, q = 10; p < q; p++, q--)
        steps++;
    float d = 0;
    if (k > 0)
        if (k > 5)
            d = 1;
        else
            d = 2;
    return float4(a + b * 10, x + y * 10, post * 10 + pre, v.x + v.y * 10 + steps * 100 + d * 1000);
}

technique T { pass P0 { PixelShader = compile ps_3_0 Main(); } }

//! run T
//! set k 3
//! expect rgba 21 33 57 2521
//! run T
//! set k -1
//! expect rgba 21 33 57 521
