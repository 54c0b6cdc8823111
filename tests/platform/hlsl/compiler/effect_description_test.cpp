#include <gtest/gtest.h>

#include "hlsl/effect.h"

namespace hlsl {
namespace {

const char* const kEffect = R"(
texture mytex;
texture mytexTemp;
float4 COLOR1;
float2x3 M = { 1, 2, 3, 4, 5, 6 };
int counts[2] = { 7, -8 };
bool on = true;
static float hidden = 3;
sampler2D matrixSampler = sampler_state
{
    Texture = <mytex>;
    MINFILTER = point; magfilter = Linear; MipFilter = NONE;
    AddressU = clamp; ADDRESSV = Border; BorderColor = 0xFF00FF00;
};
sampler factorSampler = sampler_state { texture = (mytexTemp); };

float4 PS(float2 uv : TEXCOORD0, uniform float scale) : COLOR0
{
    float3 r = mul(float2(1, 1), M) * hidden;
    return tex2D(matrixSampler, uv) * COLOR1 * scale + tex2D(factorSampler, uv).r + r.x + counts[1] + on;
}

technique poctyRow
{
    pass P0
    {
        VertexShader = NULL;
        PixelShader = compile ps_2_0 PS(2.5);
        cullmode = NONE; ZEnable = False; AlphaBlendEnable = 0; FogStart = 0.5; SrcBlend = invsrcalpha;
    }
    pass P1 { PixelShader = compile ps_3_0 PS(1); }
}
)";

TEST(EffectDescription, DescribesParametersSamplersTechniquesAndBindings)
{
    CompileResult r = CompileEffect(kEffect, "k.fx");
    ASSERT_TRUE(r.effect.has_value()) << FormatDiagnostics(r.diagnostics);
    const Effect& e = *r.effect;

    struct Param {
        const char* name;
        ParameterType type;
        int rows, columns, arraySize;
        std::vector<float> initial;
    };
    const Param want[] = {
        {"mytex", ParameterType::Texture, 1, 1, 0, {}},
        {"mytexTemp", ParameterType::Texture, 1, 1, 0, {}},
        {"COLOR1", ParameterType::Float, 1, 4, 0, {}},
        {"M", ParameterType::Float, 2, 3, 0, {1, 2, 3, 4, 5, 6}},
        {"counts", ParameterType::Int, 1, 1, 2, {7, -8}},
        {"on", ParameterType::Bool, 1, 1, 0, {1}},
        {"matrixSampler", ParameterType::Sampler, 1, 1, 0, {}},
        {"factorSampler", ParameterType::Sampler, 1, 1, 0, {}},
    };
    ASSERT_EQ(e.parameters.size(), std::size(want));
    for (size_t i = 0; i < std::size(want); ++i) {
        const ParameterDesc& p = e.parameters[i];
        EXPECT_EQ(p.name, want[i].name);
        EXPECT_EQ(p.type, want[i].type) << p.name;
        EXPECT_EQ(p.rows, want[i].rows) << p.name;
        EXPECT_EQ(p.columns, want[i].columns) << p.name;
        EXPECT_EQ(p.arraySize, want[i].arraySize) << p.name;
        EXPECT_EQ(p.initialValue, want[i].initial) << p.name;
    }

    ASSERT_EQ(e.samplers.size(), 2u);
    const SamplerDesc& s = e.samplers[0];
    EXPECT_EQ(s.texture, "mytex");
    EXPECT_EQ(s.minFilter, Filter::Point);
    EXPECT_EQ(s.magFilter, Filter::Linear);
    EXPECT_EQ(s.mipFilter, Filter::None);
    EXPECT_EQ(s.addressU, Address::Clamp);
    EXPECT_EQ(s.addressV, Address::Border);
    EXPECT_EQ(s.borderColor, 0xFF00FF00u);
    EXPECT_EQ(e.samplers[1].texture, "mytexTemp");
    EXPECT_EQ(e.samplers[1].addressU, Address::Wrap);  // Direct3D's default

    ASSERT_EQ(e.techniques.size(), 1u);
    ASSERT_EQ(e.techniques[0].passes.size(), 2u);
    const PassDesc& p = e.techniques[0].passes[0];
    EXPECT_EQ(p.name, "P0");
    std::vector<std::pair<std::string, uint32_t>> states;
    for (const RenderState& rs : p.renderStates) states.push_back({rs.name, rs.value});
    const std::vector<std::pair<std::string, uint32_t>> wantStates = {
        {"cullmode", 1}, {"zenable", 0}, {"alphablendenable", 0}, {"fogstart", 0x3F000000u}, {"srcblend", 6}};
    EXPECT_EQ(states, wantStates);

    // Every uniform the shader reads is bound to its parameter, and each
    // sampler to its own unit.
    std::vector<std::string> params;
    for (const UniformBinding& u : p.uniforms) {
        params.push_back(u.parameter);
        EXPECT_NE(p.fragmentGlsl.find(u.glslName), std::string::npos) << u.glslName;
        EXPECT_EQ(u.kind, u.parameter == "M" ? UniformKind::Matrix
                          : u.parameter == "counts" ? UniformKind::Int
                          : u.parameter == "on" ? UniformKind::Bool
                                                : UniformKind::Float);
    }
    EXPECT_EQ(params, (std::vector<std::string>{"COLOR1", "M", "counts", "on"}));
    ASSERT_EQ(p.samplers.size(), 2u);
    EXPECT_EQ(p.samplers[0].sampler, "matrixSampler");
    EXPECT_EQ(p.samplers[1].sampler, "factorSampler");
    EXPECT_NE(p.samplers[0].unit, p.samplers[1].unit);
    EXPECT_EQ(p.fragmentGlsl.rfind("#version 330 core\n", 0), 0u);
    EXPECT_NE(p.fragmentGlsl.find("2.5"), std::string::npos);  // the uniform argument
}

TEST(EffectDescription, RejectsWhatItCannotRun)
{
    struct Case {
        const char* pass;
        const char* code;
    };
    const Case cases[] = {
        {"VertexShader = compile vs_2_0 PS(); PixelShader = compile ps_2_0 PS();", "X3539"},
        {"PixelShader = NULL;", "X3539"},
        {"PixelShader = compile ps_2_0 Nowhere();", "X3501"},
        {"PixelShader = compile ps_2_0 PS(1);", "X3013"},
        {"PixelShader = compile ps_5_0 PS();", "X3539"},
        {"PixelShader = compile ps_2_0 PS(); CullMode = Sideways;", "X3000"},
        {"PixelShader = compile ps_2_0 PS(); NoSuchState = 1;", "X3000"},
    };
    for (const Case& c : cases) {
        std::string src = std::string("float4 PS() : COLOR { return 1; }\ntechnique T { pass P { ") + c.pass + " } }";
        CompileResult r = CompileEffect(src, "k.fx");
        EXPECT_FALSE(r.effect.has_value()) << c.pass;
        ASSERT_FALSE(r.diagnostics.empty()) << c.pass;
        EXPECT_EQ(r.diagnostics[0].code, c.code) << c.pass << ": " << FormatDiagnostics(r.diagnostics);
    }
}

}  // namespace
}  // namespace hlsl
