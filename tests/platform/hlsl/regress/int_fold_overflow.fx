// Integer constant folding at the edges: overflow and division by zero
// must not be undefined behaviour inside the compiler.
static const int kMin = -2147483647 - 1;
static const int kQuot = kMin / -1;
static const int kRem = kMin % -1;
static const int kDivZero = 7 / 0;
static const int kRemZero = 7 % 0;
static const int kShift = 1 << 40;
static const int kNegShift = 1 << -1;
static const uint kWrap = 0u - 1u;
static const int kMul = 65536 * 65536;
float4 M() : COLOR0 { return kQuot + kRem + kDivZero + kRemZero + kShift + kNegShift + kWrap + kMul; }
technique T { pass P { PixelShader = compile ps_2_0 M(); } }
