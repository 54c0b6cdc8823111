// kordane02_DX9.fx - the GPU kernels of kordane02.
//
// The matrix lives in an R32F texture: texel (x, y) is row y, column x.
// Every technique draws a screen-aligned primitive over its whole target, so
// each pixel shader works out which matrix cell it stands for from its
// texture coordinate and reads the cells it needs with point sampling; no
// read may blend two cells.
//
// COLOR1 = (width, height, 1, w) where w is the pivot index k of the
// elimination techniques or the factor of the multiply technique.

texture mytex;      // matrix A, width x height
texture mytexTemp;  // factor column f, 1 x height
float4 COLOR1;

sampler2D matrixSampler = sampler_state
{
    Texture = <mytex>;
    MinFilter = Point;
    MagFilter = Point;
    MipFilter = None;
    AddressU = Clamp;
    AddressV = Clamp;
};

sampler2D factorSampler = sampler_state
{
    Texture = <mytexTemp>;
    MinFilter = Point;
    MagFilter = Point;
    MipFilter = None;
    AddressU = Clamp;
    AddressV = Clamp;
};

// Texture coordinate of the centre of column x (for u) or row y (for v).
float ColumnCentre(float x) { return (x + 0.5) / COLOR1.x; }
float RowCentre(float y)    { return (y + 0.5) / COLOR1.y; }

// Matrix cell (column, row) that a texture coordinate falls into. The
// coordinate lies at the texel centre or at most a quarter texel past it,
// so flooring is safe against interpolation rounding.
float2 CellOf(float2 uv) { return floor(uv * COLOR1.xy); }

float4 AsTarget(float value) { return float4(value, 0.0, 0.0, 1.0); }

// f[y] = A[y][k] / A[k][k]. The target is one texel wide; the row comes from
// v, the pivot column from COLOR1.w. A true division, not a multiplication
// by the pivot's reciprocal, so the factor is the quotient itself.
float4 RowFactorPS(float2 uv : TEXCOORD0) : COLOR0
{
    float k = COLOR1.w;
    float pivot = tex2D(matrixSampler, float2(ColumnCentre(k), RowCentre(k))).r;
    float cell  = tex2D(matrixSampler, float2(ColumnCentre(k), uv.y)).r;
    return AsTarget(cell / pivot);
}

// A[y][x] - f[y] * A[k][x] below the pivot row from the pivot column on;
// every other cell is copied unchanged. The untouched cells are selected,
// not multiplied by zero, so an infinite or undefined factor (a zero pivot)
// cannot reach the rows above. The update is one multiply-subtract, which
// a card may fuse into one rounding, as close as it gets to the reference.
float4 SubMatPS(float2 uv : TEXCOORD0) : COLOR0
{
    float k = COLOR1.w;
    float2 cell = CellOf(uv);
    float value = tex2D(matrixSampler, uv).r;
    float factor = tex2D(factorSampler, float2(0.5, uv.y)).r;
    float pivotRow = tex2D(matrixSampler, float2(uv.x, RowCentre(k))).r;
    bool below = cell.y > k && cell.x >= k;
    return AsTarget(below ? value - factor * pivotRow : value);
}

// Precision probe in the last four cells of the last row: a and b as
// stored, then their quotient twice. Only the two operand cells are read;
// every other cell of the target becomes 0.
float4 ProbePS(float2 uv : TEXCOORD0) : COLOR0
{
    float2 cell = CellOf(uv);
    float lastRow = RowCentre(COLOR1.y - 1.0);
    float a = tex2D(matrixSampler, float2(ColumnCentre(COLOR1.x - 4.0), lastRow)).r;
    float b = tex2D(matrixSampler, float2(ColumnCentre(COLOR1.x - 3.0), lastRow)).r;
    float column = cell.x - (COLOR1.x - 4.0);  // 0..3 inside the probe cells
    float value = column < 1.0 ? a : (column < 2.0 ? b : a / b);
    bool probe = cell.y >= COLOR1.y - 1.0 && column >= 0.0;
    return AsTarget(probe ? value : 0.0);
}

// mul * A[y][x] at every cell.
float4 MulMatPS(float2 uv : TEXCOORD0) : COLOR0
{
    return AsTarget(COLOR1.w * tex2D(matrixSampler, uv).r);
}

technique poctyRow
{
    pass P0
    {
        VertexShader = NULL;
        PixelShader = compile ps_2_0 RowFactorPS();
        CullMode = None;
        ZEnable = false;
        AlphaBlendEnable = false;
    }
}

technique poctySubMat
{
    pass P0
    {
        VertexShader = NULL;
        PixelShader = compile ps_2_0 SubMatPS();
        CullMode = None;
        ZEnable = false;
        AlphaBlendEnable = false;
    }
}

technique poctyTest
{
    pass P0
    {
        VertexShader = NULL;
        PixelShader = compile ps_2_0 ProbePS();
        CullMode = None;
        ZEnable = false;
        AlphaBlendEnable = false;
    }
}

technique poctyMulMat
{
    pass P0
    {
        VertexShader = NULL;
        PixelShader = compile ps_2_0 MulMatPS();
        CullMode = None;
        ZEnable = false;
        AlphaBlendEnable = false;
    }
}
