// The shipped effect file: it compiles, has the four techniques with point
// sampling, and every pass's GLSL passes the reference GLSL validator.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "dx9_fixture.h"
#include "hlsl/effect.h"

TEST(EffectFile, CompilesToValidGlslWithPointSampling)
{
    const hlsl::CompileResult result = hlsl::CompileEffect(ShippedEffect(), "kordane02_DX9.fx");
    ASSERT_TRUE(result.effect.has_value()) << hlsl::FormatDiagnostics(result.diagnostics);
    EXPECT_TRUE(result.diagnostics.empty()) << hlsl::FormatDiagnostics(result.diagnostics);

    std::set<std::string> techniques;
    for (const hlsl::TechniqueDesc& t : result.effect->techniques) techniques.insert(t.name);
    EXPECT_EQ(techniques, (std::set<std::string>{"poctyRow", "poctySubMat", "poctyTest", "poctyMulMat"}));

    std::set<std::string> sampledTextures;
    for (const hlsl::SamplerDesc& s : result.effect->samplers) {
        SCOPED_TRACE(s.name);
        sampledTextures.insert(s.texture);
        EXPECT_EQ(s.minFilter, hlsl::Filter::Point);
        EXPECT_EQ(s.magFilter, hlsl::Filter::Point);
        EXPECT_EQ(s.addressU, hlsl::Address::Clamp);
        EXPECT_EQ(s.addressV, hlsl::Address::Clamp);
    }
    EXPECT_EQ(sampledTextures, (std::set<std::string>{"mytex", "mytexTemp"}));

    if (std::system("command -v glslangValidator >/dev/null 2>&1") != 0) GTEST_SKIP() << "no glslangValidator";
    const std::filesystem::path shader = std::filesystem::temp_directory_path() / "kd_effect_pass.frag";
    for (const hlsl::TechniqueDesc& t : result.effect->techniques) {
        for (const hlsl::PassDesc& pass : t.passes) {
            SCOPED_TRACE(t.name);
            std::ofstream(shader) << pass.fragmentGlsl;
            const std::string command = "glslangValidator '" + shader.string() + "' >/dev/null 2>&1";
            EXPECT_EQ(std::system(command.c_str()), 0) << pass.fragmentGlsl;
        }
    }
    std::filesystem::remove(shader);
}
