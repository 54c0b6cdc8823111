// Macro expansion as in C: arguments with nested parentheses and commas,
// macros in arguments, a macro does not expand inside itself, a
// function-like macro name without ( stays a name, #if arithmetic with
// undefined names as 0.
static const float SELF = 2;
#define SELF (SELF * 3)
static const float TWICE = 5;
#define TWICE(x) ((x) * 2)
#define MAD(a, b, c) ((a) * (b) + (c))
#define EMPTY
#define ARGS 1, 2

#if (5 / 2) == 2 && (-7 % 3) == -1 && (1 ? 2 : 3) == 2 && 0x10 == 16 && NOT_DEFINED == 0
#define ARITH 1
#else
#define ARITH 0
#endif

float Add(float a, float b)
{
    return a + b;
}

float4 Main() : COLOR0
{
    float a = MAD(float2(1, 2).y, 3, 4) + MAD(MAD(1, 2, 3), 2, 0);
    float b = SELF EMPTY;
    float c = TWICE(3) + TWICE;
    return float4(a, b, c, Add(ARGS) * 10 + ARITH);
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! run T
//! expect rgba 20 6 11 31
