// An effect shaped like the benchmark's: four one-pass techniques over an
// R32F matrix texture and a factor column, point sampled and clamped.
texture mytex;
texture mytexTemp;
float4 COLOR1;  // (width, height, 1, pivot or factor)

sampler2D matrixSampler = sampler_state
{
    Texture = <mytex>;
    MinFilter = Point; MagFilter = Point; MipFilter = None;
    AddressU = Clamp; AddressV = Clamp;
};

sampler2D factorSampler = sampler_state
{
    Texture = <mytexTemp>;
    MinFilter = Point; MagFilter = Point; MipFilter = None;
    AddressU = Clamp; AddressV = Clamp;
};

float Centre(float i, float size) { return (i + 0.5) / size; }

float4 Row(float2 uv : TEXCOORD0) : COLOR0
{
    float k = COLOR1.w;
    float pivot = tex2D(matrixSampler, float2(Centre(k, COLOR1.x), Centre(k, COLOR1.y))).r;
    float cell = tex2D(matrixSampler, float2(Centre(k, COLOR1.x), uv.y)).r;
    return float4(cell / pivot, 0, 0, 1);
}

float4 SubMat(float2 uv : TEXCOORD0) : COLOR0
{
    float k = COLOR1.w;
    float2 cell = floor(uv * COLOR1.xy);
    float value = tex2D(matrixSampler, uv).r;
    float factor = tex2D(factorSampler, float2(0.5, uv.y)).r;
    float pivotRow = tex2D(matrixSampler, float2(uv.x, Centre(k, COLOR1.y))).r;
    if (cell.y > k && cell.x >= k)
        value = value - factor * pivotRow;
    return float4(value, 0, 0, 1);
}

float4 Test(float2 uv : TEXCOORD0) : COLOR0
{
    float2 cell = floor(uv * COLOR1.xy);
    float row = Centre(COLOR1.y - 1, COLOR1.y);
    float a = tex2D(matrixSampler, float2(Centre(COLOR1.x - 4, COLOR1.x), row)).r;
    float b = tex2D(matrixSampler, float2(Centre(COLOR1.x - 3, COLOR1.x), row)).r;
    float column = cell.x - (COLOR1.x - 4);
    float value = column < 1 ? a : (column < 2 ? b : a / b);
    return float4(cell.y >= COLOR1.y - 1 && column >= 0 ? value : 0, 0, 0, 1);
}

float4 MulMat(float2 uv : TEXCOORD0) : COLOR0
{
    return float4(COLOR1.w * tex2D(matrixSampler, uv).r, 0, 0, 1);
}

technique poctyRow { pass P0 { VertexShader = NULL; PixelShader = compile ps_2_0 Row(); CullMode = None; ZEnable = false; } }
technique poctySubMat { pass P0 { VertexShader = NULL; PixelShader = compile ps_2_0 SubMat(); CullMode = None; ZEnable = false; } }
technique poctyTest { pass P0 { VertexShader = NULL; PixelShader = compile ps_2_0 Test(); CullMode = None; ZEnable = false; } }
technique poctyMulMat { pass P0 { VertexShader = NULL; PixelShader = compile ps_2_0 MulMat(); CullMode = None; ZEnable = false; } }
