// Directive spelling as in C: blanks before and after '#', comments at the
// end of directive lines and inside bodies, function-like macros without
// a blank before the body or with no parameters, #undef of an unknown name.
  #define A 1 // one
#  define B /* two */ 2
#define C(x)(x + 1)
#define FIVE() 5
#undef NOT_DEFINED
#ifdef A // trailing comment
#define D 4 /* four
             over two lines */
#endif

float4 Main() : COLOR0
{
    return float4(A, B, C(1) * 10 + D, FIVE());
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! run T
//! expect rgba 1 2 24 5
