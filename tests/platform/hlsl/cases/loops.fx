// for, while and do loops with break and continue; loop attributes are
// read and ignored.
int count;

float4 Loops() : COLOR0
{
    float s = 0;
    for (int i = 0; i < 10; i++)
    {
        if (i == 2)
            continue;
        if (i == 6)
            break;
        s += i;
    }
    int j = 0;
    float w = 0;
    while (j < 5)
    {
        j++;
        if (j == 3)
            continue;
        w += j;
    }
    float d = 0;
    int k = 0;
    do
    {
        d += 2;
        k++;
    } while (k < 3);
    float n = 0;
    [unroll] for (int m = 0; m < 4; ++m)
    {
        [loop] for (int q = 0; q < m; q++)
            n += 1;
    }
    return float4(s, w, d, n);
}

float4 Bounded() : COLOR0
{
    float f = 1;
    for (int i = 0; i < count; ++i)
        f *= 2;
    int z = 0;
    do
    {
        z += 10;
    } while (false);
    for (int e = 5; e > 0; e -= 2)
        z += 1;
    return float4(f, z, count, 0);
}

technique TLoops { pass P0 { PixelShader = compile ps_3_0 Loops(); } }
technique TBounded { pass P0 { PixelShader = compile ps_3_0 Bounded(); } }

//! run TLoops
//! expect rgba 13 12 6 6
//! run TBounded
//! set count 5
//! expect rgba 32 13 5 0
//! run TBounded
//! set count 0
//! expect rgba 1 13 0 0
