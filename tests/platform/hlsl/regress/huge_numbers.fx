float4 M() : COLOR0 { int a = 99999999999999999999999; float b = 1e99999; float c = 0xffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffffff; int d = -2147483648 / -1; return a + b + c + d % 0; }
technique T { pass P { PixelShader = compile ps_2_0 M(); } }
