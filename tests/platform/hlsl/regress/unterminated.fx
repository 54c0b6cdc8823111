float4 M() : COLOR0 { return 1; }
#if 1
#define X "abc
/* never closed