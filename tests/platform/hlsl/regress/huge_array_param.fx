float4 big[2000000000] = { 1, 2, 3, 4 };
static const float t[1000000000] = { 1 };
float4 M() : COLOR0 { return big[1] + t[5]; }
technique T { pass P { PixelShader = compile ps_2_0 M(); } }
