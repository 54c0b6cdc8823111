// Object- and function-like macros, #undef, #if/#elif/#else with defined
// and integer expressions, #ifdef/#ifndef, nested skipped groups, line
// continuations, #include
// relative to the including file and #pragma once.
#include "inc/common.fxh"
#include "inc/common.fxh"
#pragma warning(disable : 3206)
#define SCALE 3
#define MAD(a, b, c) ((a) * (b) + (c))
#define SQUARE(x) MAD(x, x, 0)
#define TO_BE_REMOVED

#if defined(SCALE) && SCALE > 2
#define PICK 1
#elif defined OTHER
#define PICK 2
#else
#define PICK 3
#endif

#if (SCALE * 2 - 6) || !defined(SCALE)
#define BRANCH 10
#elif SCALE == 3 && (1 << 2) == 4
#define BRANCH 20
#else
#define BRANCH 30
#endif

#ifdef TO_BE_REMOVED
#undef TO_BE_REMOVED
#endif
#ifndef TO_BE_REMOVED
#define GONE 1
#else
#define GONE 2
#endif

#if 0
#if 1
#error never reached
#endif
#elif 0
#else
#define AFTER_SKIP 5
#endif

#define NEEDS_CONTINUATION(x) \
    ((x) + \
     1)

float4 Main() : COLOR0
{
    return float4(MAD(2, SCALE, 1) + SQUARE(2 + 1) * 10, PICK + BRANCH, GONE + AFTER_SKIP * 10,
                  CommonValue() + NEEDS_CONTINUATION(2));
}

technique T { pass P0 { PixelShader = compile ps_2_0 Main(); } }

//! run T
//! expect rgba 97 21 51 7
