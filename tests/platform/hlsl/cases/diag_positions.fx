/* Lines and columns stay right after block comments over several lines,
   line continuations and strings in annotations:
   "quotes" and // markers inside comments do not count. */
#define LONG_MACRO(x) \
    ((x) + \
     1)
float4 p < string Name = "a \"quoted\" // name"; > = { 0, 0, 0, 0 }; /* a
comment */ float4 Main() : COLOR0
{
    /* inline */ float a = LONG_MACRO(p.x) + undeclaredOne;
    return a + /* here */ undeclaredTwo;
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! error X3004 10 46
//! error X3004 11 27
