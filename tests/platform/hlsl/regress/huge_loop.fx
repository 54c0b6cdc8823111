float4 M() : COLOR0 { float s = 0; [unroll] for (int i = 0; i < 2000000000; i++) s += 1; return s; }
technique T { pass P { PixelShader = compile ps_3_0 M(); } }
