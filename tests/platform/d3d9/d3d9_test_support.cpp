#include "d3d9_test_support.h"

#include <cstring>

namespace d3d9test {

IDirect3DDevice9* CreateTestDevice(IDirect3D9* d3d) {
    D3DPRESENT_PARAMETERS pp;
    std::memset(&pp, 0, sizeof(pp));
    pp.Windowed = TRUE;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.BackBufferWidth = 64;
    pp.BackBufferHeight = 64;
    IDirect3DDevice9* device = nullptr;
    if (FAILED(d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr,
                                 D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_FPU_PRESERVE, &pp,
                                 &device)))
        return nullptr;
    return device;
}

void DeviceFixture::SetUp() {
    d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    device = CreateTestDevice(d3d);
    ASSERT_NE(device, nullptr);
}

void DeviceFixture::TearDown() {
    if (device) {
        EXPECT_EQ(device->Release(), 0u);
    }
    if (d3d) {
        EXPECT_EQ(d3d->Release(), 0u);
    }
    EXPECT_EQ(kd3d9::LiveGlObjects(), 0);
    EXPECT_EQ(kd3d9::LiveContexts(), 0);
}

IDirect3DTexture9* MakeTexture(IDirect3DDevice9* device, UINT width, UINT height, DWORD usage,
                               D3DPOOL pool, D3DFORMAT format) {
    IDirect3DTexture9* texture = nullptr;
    if (FAILED(D3DXCreateTexture(device, width, height, 1, usage, format, pool, &texture)))
        return nullptr;
    return texture;
}

void Upload(IDirect3DDevice9* device, IDirect3DTexture9* target, UINT width, UINT height,
            const std::vector<float>& values) {
    IDirect3DTexture9* staging = MakeTexture(device, width, height, 0, D3DPOOL_SYSTEMMEM);
    ASSERT_NE(staging, nullptr);
    D3DLOCKED_RECT locked;
    ASSERT_EQ(staging->LockRect(0, &locked, nullptr, 0), D3D_OK);
    for (UINT y = 0; y < height; ++y) {
        float* row = reinterpret_cast<float*>(static_cast<char*>(locked.pBits) + y * locked.Pitch);
        for (UINT x = 0; x < width; ++x) row[x] = values[y * width + x];
    }
    EXPECT_EQ(device->UpdateTexture(staging, target), D3D_OK);
    EXPECT_EQ(staging->UnlockRect(0), D3D_OK);
    staging->Release();
}

std::vector<float> ReadBack(IDirect3DDevice9* device, IDirect3DTexture9* target, UINT width,
                            UINT height, D3DFORMAT format) {
    const UINT components = format == D3DFMT_A32B32G32R32F ? 4 : 1;
    std::vector<float> values;
    IDirect3DTexture9* staging = MakeTexture(device, width, height, 0, D3DPOOL_SYSTEMMEM, format);
    IDirect3DSurface9 *from = nullptr, *to = nullptr;
    if (staging == nullptr || target->GetSurfaceLevel(0, &from) != D3D_OK ||
        staging->GetSurfaceLevel(0, &to) != D3D_OK) {
        ADD_FAILURE() << "no read-back surfaces";
    } else if (device->GetRenderTargetData(from, to) != D3D_OK) {
        ADD_FAILURE() << "GetRenderTargetData failed";
    } else {
        D3DLOCKED_RECT locked;
        EXPECT_EQ(staging->LockRect(0, &locked, nullptr, 0), D3D_OK);
        for (UINT y = 0; y < height; ++y) {
            const float* row =
                reinterpret_cast<const float*>(static_cast<char*>(locked.pBits) + y * locked.Pitch);
            values.insert(values.end(), row, row + width * components);
        }
        staging->UnlockRect(0);
    }
    if (from) from->Release();
    if (to) to->Release();
    if (staging) staging->Release();
    return values;
}

hlsl::Effect SimpleEffect(const std::string& body) {
    hlsl::Effect effect;
    hlsl::ParameterDesc c;
    c.name = "c";
    c.columns = 4;
    effect.parameters.push_back(c);
    hlsl::ParameterDesc tex;
    tex.name = "tex";
    tex.type = hlsl::ParameterType::Texture;
    effect.parameters.push_back(tex);
    hlsl::SamplerDesc s;
    s.name = "s";
    s.texture = "tex";
    s.addressU = s.addressV = hlsl::Address::Clamp;
    effect.samplers.push_back(s);
    hlsl::PassDesc pass;
    pass.name = "p0";
    pass.fragmentGlsl =
        "#version 330 core\n"
        "in vec4 kd_TEXCOORD0;\n"
        "layout(location = 0) out vec4 kd_COLOR0;\n"
        "uniform vec4 c;\n"
        "uniform sampler2D s;\n"
        "void main() {\n" + body + "\n}\n";
    pass.uniforms.push_back({"c", "c", hlsl::UniformKind::Float});
    pass.samplers.push_back({"s", "s", 0});
    hlsl::TechniqueDesc technique;
    technique.name = "t";
    technique.passes.push_back(pass);
    effect.techniques.push_back(technique);
    return effect;
}

ID3DXEffect* MakeEffect(IDirect3DDevice9* device, const hlsl::Effect& description) {
    ID3DXEffect* effect = nullptr;
    std::string errors;
    const HRESULT hr =
        kd3d9::CreateEffectFromDescription(device, description, "test.fx", &effect, &errors);
    EXPECT_EQ(hr, D3D_OK) << errors;
    return effect;
}

void DrawStrip(IDirect3DDevice9* device, ID3DXEffect* effect, IDirect3DTexture9* target,
               const std::vector<Vertex>& vertices) {
    IDirect3DSurface9* surface = nullptr;
    ASSERT_EQ(target->GetSurfaceLevel(0, &surface), D3D_OK);
    EXPECT_EQ(device->SetRenderTarget(0, surface), D3D_OK);
    surface->Release();
    EXPECT_EQ(device->BeginScene(), D3D_OK);
    UINT passes = 0;
    EXPECT_EQ(effect->Begin(&passes, 0), D3D_OK);
    for (UINT p = 0; p < passes; ++p) {
        EXPECT_EQ(effect->BeginPass(p), D3D_OK);
        EXPECT_EQ(device->SetFVF(D3DFVF_XYZRHW | D3DFVF_TEX1), D3D_OK);
        EXPECT_EQ(device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP,
                                          static_cast<UINT>(vertices.size() - 2), vertices.data(),
                                          sizeof(Vertex)),
                  D3D_OK);
        EXPECT_EQ(effect->EndPass(), D3D_OK);
    }
    EXPECT_EQ(effect->End(), D3D_OK);
    EXPECT_EQ(device->EndScene(), D3D_OK);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
}

std::vector<Vertex> TargetQuad(int width, int height) {
    const float right = static_cast<float>(width) - 0.5f;
    const float bottom = static_cast<float>(height) - 0.5f;
    return {{-0.5f, -0.5f, 0, 1, 0, 0},
            {right, -0.5f, 0, 1, 1, 0},
            {-0.5f, bottom, 0, 1, 0, 1},
            {right, bottom, 0, 1, 1, 1}};
}

std::vector<Vertex> CoverTriangle(int width, int height) {
    const float right = 2.0f * (static_cast<float>(width) - 0.5f);
    const float bottom = 2.0f * (static_cast<float>(height) - 0.5f);
    return {{-0.5f, -0.5f, 0, 1, 0, 0}, {right, -0.5f, 0, 1, 2, 0}, {-0.5f, bottom, 0, 1, 0, 2}};
}

}  // namespace d3d9test
