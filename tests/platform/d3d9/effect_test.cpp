#include <cstdio>
#include <cstring>
#include <fstream>

#include "d3d9_test_support.h"

namespace {

using namespace d3d9test;

using EffectTest = DeviceFixture;

// "c" is a float4, "tex" a texture; technique "t" has one pass.
TEST_F(EffectTest, UnknownNamesAndWrongTypesAreRefused) {
    ID3DXEffect* effect = MakeEffect(device, SimpleEffect("kd_COLOR0 = c;"));
    ASSERT_NE(effect, nullptr);
    IDirect3DTexture9* texture = MakeTexture(device, 2, 2, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    const D3DXVECTOR4 v(1, 2, 3, 4);

    const D3DXHANDLE c = effect->GetParameterByName(nullptr, "c");
    ASSERT_NE(c, nullptr);
    EXPECT_STREQ(c, "c");
    EXPECT_EQ(effect->GetParameterByName(nullptr, "COLOR1"), nullptr);
    EXPECT_EQ(effect->GetParameterByName(c, "c"), nullptr);  // no members below a parameter

    struct Case {
        const char* what;
        HRESULT got;
        HRESULT want;
    };
    const Case cases[] = {
        {"vector by handle", effect->SetVector(c, &v), D3D_OK},
        {"vector by name", effect->SetVector("c", &v), D3D_OK},
        {"float on a vector", effect->SetFloat("c", 2.0f), D3D_OK},
        {"vector on a missing name", effect->SetVector("COLOR1", &v), D3DERR_INVALIDCALL},
        {"vector on a null handle", effect->SetVector(nullptr, &v), D3DERR_INVALIDCALL},
        {"vector on a texture", effect->SetVector("tex", &v), D3DERR_INVALIDCALL},
        {"texture on a vector", effect->SetTexture("c", texture), D3DERR_INVALIDCALL},
        {"texture on a missing name", effect->SetTexture("mytex", texture), D3DERR_INVALIDCALL},
        {"texture", effect->SetTexture("tex", texture), D3D_OK},
        {"float on a texture", effect->SetFloat("tex", 1.0f), D3DERR_INVALIDCALL},
        {"technique handle as parameter", effect->SetVector(effect->GetTechniqueByName("t"), &v),
         D3DERR_INVALIDCALL},
    };
    for (const Case& k : cases) EXPECT_EQ(k.got, k.want) << k.what;

    // An unknown technique leaves the current one in place.
    const D3DXHANDLE t = effect->GetTechniqueByName("t");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(effect->GetTechniqueByName("poctyRow"), nullptr);
    EXPECT_EQ(effect->SetTechnique("poctyRow"), D3DERR_INVALIDCALL);
    EXPECT_EQ(effect->SetTechnique(c), D3DERR_INVALIDCALL);
    EXPECT_EQ(effect->GetCurrentTechnique(), t);
    EXPECT_EQ(effect->SetTechnique("t"), D3D_OK);
    EXPECT_EQ(effect->SetTechnique(t), D3D_OK);
    UINT passes = 0;
    EXPECT_EQ(effect->Begin(&passes, 0), D3D_OK);
    EXPECT_EQ(passes, 1u);
    EXPECT_EQ(effect->BeginPass(1), D3DERR_INVALIDCALL);
    EXPECT_EQ(effect->CommitChanges(), D3DERR_INVALIDCALL);  // outside a pass
    EXPECT_EQ(effect->End(), D3D_OK);
    EXPECT_EQ(effect->End(), D3DERR_INVALIDCALL);

    effect->Release();
    texture->Release();
}

TEST_F(EffectTest, BeginWithoutTechniqueFails) {
    hlsl::Effect description = SimpleEffect("kd_COLOR0 = c;");
    description.techniques.clear();
    ID3DXEffect* effect = MakeEffect(device, description);
    ASSERT_NE(effect, nullptr);
    UINT passes = 7;
    EXPECT_TRUE(FAILED(effect->Begin(&passes, 0)));
    EXPECT_EQ(passes, 0u);
    EXPECT_EQ(effect->BeginPass(0), D3DERR_INVALIDCALL);
    effect->Release();
}

// Values set before BeginPass apply to the pass; values set inside it apply
// from CommitChanges on.
TEST_F(EffectTest, ParametersApplyAtBeginPassAndCommitChanges) {
    hlsl::Effect description = SimpleEffect("kd_COLOR0 = c;");
    description.parameters[0].initialValue = {5, 0, 0, 0};
    ID3DXEffect* effect = MakeEffect(device, description);
    IDirect3DTexture9* target = MakeTexture(device, 2, 2, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    ASSERT_TRUE(effect && target);
    const std::vector<Vertex> quad = TargetQuad(2, 2);
    IDirect3DSurface9* surface = nullptr;
    target->GetSurfaceLevel(0, &surface);
    device->SetRenderTarget(0, surface);
    surface->Release();
    device->SetFVF(D3DFVF_XYZRHW | D3DFVF_TEX1);
    auto draw = [&] { device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad.data(), sizeof(Vertex)); };

    device->BeginScene();
    UINT passes = 0;
    effect->Begin(&passes, 0);
    effect->BeginPass(0);
    draw();
    EXPECT_EQ(ReadBack(device, target, 2, 2), std::vector<float>(4, 5.0f));  // initial value
    effect->SetFloat("c", 6.0f);
    draw();
    EXPECT_EQ(ReadBack(device, target, 2, 2), std::vector<float>(4, 5.0f));  // not committed
    EXPECT_EQ(effect->CommitChanges(), D3D_OK);
    draw();
    EXPECT_EQ(ReadBack(device, target, 2, 2), std::vector<float>(4, 6.0f));
    effect->EndPass();
    effect->SetFloat("c", 7.0f);
    effect->BeginPass(0);
    draw();
    EXPECT_EQ(ReadBack(device, target, 2, 2), std::vector<float>(4, 7.0f));
    effect->EndPass();
    effect->End();
    device->EndScene();
    effect->Release();
    target->Release();
}

TEST_F(EffectTest, PassRenderStatesLastUntilEnd) {
    hlsl::Effect description = SimpleEffect("kd_COLOR0 = c;");
    description.techniques[0].passes[0].renderStates = {{"cullmode", D3DCULL_CW},
                                                        {"someunknownstate", 3}};
    ID3DXEffect* effect = MakeEffect(device, description);
    ASSERT_NE(effect, nullptr);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    UINT passes = 0;
    effect->Begin(&passes, 0);
    effect->BeginPass(0);
    DWORD value = 0;
    device->GetRenderState(D3DRS_CULLMODE, &value);
    EXPECT_EQ(value, static_cast<DWORD>(D3DCULL_CW));
    effect->EndPass();
    effect->End();
    device->GetRenderState(D3DRS_CULLMODE, &value);
    EXPECT_EQ(value, static_cast<DWORD>(D3DCULL_NONE));
    effect->Release();
}

TEST_F(EffectTest, BadGlslFailsWithText) {
    ID3DXEffect* effect = reinterpret_cast<ID3DXEffect*>(1);
    std::string errors;
    const HRESULT hr = kd3d9::CreateEffectFromDescription(
        device, SimpleEffect("kd_COLOR0 = undefined_name;"), "bad.fx", &effect, &errors);
    EXPECT_TRUE(FAILED(hr));
    EXPECT_EQ(effect, nullptr);
    EXPECT_NE(errors.find("bad.fx: technique 't', pass 'p0'"), std::string::npos) << errors;
}

TEST_F(EffectTest, MissingFileGivesInvalidDataAndNoText) {
    for (const char* path : {"no_such_effect_file.fx", "."}) {
        ID3DXEffect* effect = reinterpret_cast<ID3DXEffect*>(1);
        ID3DXBuffer* errors = reinterpret_cast<ID3DXBuffer*>(1);
        EXPECT_EQ(D3DXCreateEffectFromFileA(device, path, nullptr, nullptr, 0, nullptr, &effect,
                                            &errors),
                  D3DXERR_INVALIDDATA)
            << path;
        EXPECT_EQ(effect, nullptr);
        EXPECT_EQ(errors, nullptr);
    }
}

#ifdef KORDANE_HAVE_HLSL
TEST_F(EffectTest, CompileErrorsArriveAsText) {
    const char* path = "d3d9_test_compile_error.fx";
    std::ofstream(path) << "float4 f() : COLOR0 { return undeclared; }\n"
                           "technique t { pass p { PixelShader = compile ps_2_0 f(); } }\n";
    ID3DXEffect* effect = nullptr;
    ID3DXBuffer* errors = nullptr;
    const HRESULT hr =
        D3DXCreateEffectFromFileA(device, path, nullptr, nullptr, 0, nullptr, &effect, &errors);
    std::remove(path);
    EXPECT_TRUE(FAILED(hr));
    EXPECT_EQ(effect, nullptr);
    ASSERT_NE(errors, nullptr);
    const char* text = static_cast<const char*>(errors->GetBufferPointer());
    EXPECT_EQ(std::strlen(text) + 1, errors->GetBufferSize());
    EXPECT_NE(std::strstr(text, "d3d9_test_compile_error.fx(1,"), nullptr) << text;
    EXPECT_NE(std::strstr(text, "error X"), nullptr) << text;
    errors->Release();
}

// Caller macros are defined before the file; diagnostics keep the file's lines.
TEST_F(EffectTest, CallerMacrosPrecedeTheFile) {
    const char* path = "d3d9_test_macros.fx";
    std::ofstream(path) << "#ifndef SCALE\n#error no SCALE\n#endif\n"
                           "float4 f() : COLOR0 { return SCALE + missing; }\n"
                           "technique t { pass p { PixelShader = compile ps_2_0 f(); } }\n";
    const D3DXMACRO macros[] = {{"SCALE", "3.0"}, {nullptr, nullptr}};
    ID3DXEffect* effect = nullptr;
    ID3DXBuffer* errors = nullptr;
    const HRESULT hr =
        D3DXCreateEffectFromFileA(device, path, macros, nullptr, 0, nullptr, &effect, &errors);
    std::remove(path);
    EXPECT_TRUE(FAILED(hr));
    ASSERT_NE(errors, nullptr);
    const char* text = static_cast<const char*>(errors->GetBufferPointer());
    EXPECT_EQ(std::strstr(text, "no SCALE"), nullptr) << text;
    EXPECT_NE(std::strstr(text, "d3d9_test_macros.fx(4,"), nullptr) << text;
    errors->Release();
}

// An effect file written as for Direct3D runs through the compiler and the
// stand-in: parameters by name, a point sampler, the cover triangle.
TEST_F(EffectTest, EffectFileRunsAsWritten) {
    const char* path = "d3d9_test_mulmat.fx";
    std::ofstream(path)
        << "texture mytex;\n"
           "sampler mysampler = sampler_state { Texture = <mytex>; MinFilter = Point;\n"
           "  MagFilter = Point; MipFilter = None; AddressU = Clamp; AddressV = Clamp; };\n"
           "float4 COLOR1;\n"
           "float4 MulMat(float2 uv : TEXCOORD0) : COLOR0 {\n"
           "  float2 unused = COLOR1.xy;\n"
           "  float3 narrowed = COLOR1;\n"  // implicit truncation: a warning only
           "  return tex2D(mysampler, uv) * COLOR1.w;\n"
           "}\n"
           "technique poctyMulMat { pass P0 { CullMode = None; VertexShader = NULL;\n"
           "  PixelShader = compile ps_2_0 MulMat(); } }\n";
    ID3DXEffect* effect = nullptr;
    ID3DXBuffer* messages = nullptr;
    const HRESULT hr =
        D3DXCreateEffectFromFileA(device, path, nullptr, nullptr, 0, nullptr, &effect, &messages);
    std::remove(path);
    ASSERT_EQ(hr, D3D_OK) << (messages ? static_cast<const char*>(messages->GetBufferPointer()) : "");
    ASSERT_NE(effect, nullptr);
    // Warnings come back as text beside a working effect.
    ASSERT_NE(messages, nullptr);
    EXPECT_NE(std::strstr(static_cast<const char*>(messages->GetBufferPointer()), "warning X3206"),
              nullptr)
        << static_cast<const char*>(messages->GetBufferPointer());
    messages->Release();
    const int w = 5, h = 3;
    IDirect3DTexture9* source = MakeTexture(device, w, h, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    IDirect3DTexture9* target = MakeTexture(device, w, h, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    ASSERT_TRUE(source && target);
    std::vector<float> values;
    for (int i = 0; i < w * h; ++i) values.push_back(static_cast<float>(i) - 4.5f);
    Upload(device, source, w, h, values);
    const D3DXVECTOR4 color1(static_cast<float>(w), static_cast<float>(h), 1.0f, 3.0f);
    EXPECT_EQ(effect->SetVector(effect->GetParameterByName(nullptr, "COLOR1"), &color1), D3D_OK);
    EXPECT_EQ(effect->SetTexture("mytex", source), D3D_OK);
    EXPECT_EQ(effect->SetTechnique("poctyMulMat"), D3D_OK);
    DrawStrip(device, effect, target, CoverTriangle(w, h));
    for (float& v : values) v *= 3.0f;
    EXPECT_EQ(ReadBack(device, target, w, h), values);
    effect->Release();
    source->Release();
    target->Release();
}

// Int, bool and matrix parameters reach the shader with their initial
// values and with values set later: texel i of the target shows value i
// (the int4, the bool, then the float2x3 row by row).
TEST_F(EffectTest, IntBoolAndMatrixParametersUpload) {
    const char* path = "d3d9_test_uniform_kinds.fx";
    std::ofstream(path)
        << "int4 counts = {3, -4, 5, -6};\n"
           "bool flag = true;\n"
           "float2x3 m = {1, 2, 3, 4, 5, 6};\n"
           "float4 Show(float2 uv : TEXCOORD0) : COLOR0 {\n"
           "  int i = (int)(uv.x * 11);\n"
           "  float v[11] = {counts.x, counts.y, counts.z, counts.w, flag ? 1 : 0,\n"
           "                 m[0][0], m[0][1], m[0][2], m[1][0], m[1][1], m[1][2]};\n"
           "  return v[i];\n"
           "}\n"
           "technique t { pass p { PixelShader = compile ps_2_0 Show(); } }\n";
    ID3DXEffect* effect = nullptr;
    ID3DXBuffer* messages = nullptr;
    const HRESULT hr =
        D3DXCreateEffectFromFileA(device, path, nullptr, nullptr, 0, nullptr, &effect, &messages);
    std::remove(path);
    ASSERT_EQ(hr, D3D_OK) << (messages ? static_cast<const char*>(messages->GetBufferPointer()) : "");
    if (messages) messages->Release();
    ASSERT_NE(effect, nullptr);
    const int w = 11;
    IDirect3DTexture9* target = MakeTexture(device, w, 1, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    ASSERT_NE(target, nullptr);
    ASSERT_EQ(effect->SetTechnique("t"), D3D_OK);

    struct Case {
        const char* what;
        void (*set)(ID3DXEffect*);  // applied on top of the rows before
        std::vector<float> want;
    };
    const Case cases[] = {
        {"initial values", [](ID3DXEffect*) {}, {3, -4, 5, -6, 1, 1, 2, 3, 4, 5, 6}},
        {"vector into int4, float into bool and matrix",
         [](ID3DXEffect* e) {
             const D3DXVECTOR4 v(7, -8, 9, -10);
             EXPECT_EQ(e->SetVector("counts", &v), D3D_OK);
             EXPECT_EQ(e->SetFloat("flag", 0.0f), D3D_OK);
             EXPECT_EQ(e->SetFloat("m", 9.0f), D3D_OK);  // the first element, row 0 column 0
         },
         {7, -8, 9, -10, 0, 9, 2, 3, 4, 5, 6}},
        {"any non-zero float is true",
         [](ID3DXEffect* e) { EXPECT_EQ(e->SetFloat("flag", 0.25f), D3D_OK); },
         {7, -8, 9, -10, 1, 9, 2, 3, 4, 5, 6}},
    };
    for (const Case& c : cases) {
        c.set(effect);
        DrawStrip(device, effect, target, TargetQuad(w, 1));
        EXPECT_EQ(ReadBack(device, target, w, 1), c.want) << c.what;
    }
    effect->Release();
    target->Release();
}
#endif

}  // namespace
