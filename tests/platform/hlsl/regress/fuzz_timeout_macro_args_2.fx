#define F(x) x x
float y = samplerF(F(F(F(F(F(F(Fع׹׹׹(F(F(F(F(F(F(F(F(F(F(F(F(Fsampler_s(F(F(F(F(F(F(F(F(F(F(F(F(F(F(F)(z))	))))))))))))))))))))))))))))))))))));
