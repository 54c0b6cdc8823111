// The elimination passes through the Direct3D 9 stand-in, called the way the
// GPU back-end calls it.
#include <cstring>
#include <utility>

#include "bench_paths.h"
#include "d3dx_internal.h"
#include "elimination_passes.h"

namespace bench {

namespace {

struct Vertex {
    float x, y, z, rhw, u, v;
};

hlsl::Effect EliminationEffect() {
    hlsl::Effect e;
    hlsl::ParameterDesc color1;
    color1.name = "COLOR1";
    color1.columns = 4;
    hlsl::ParameterDesc mytex, mytexTemp;
    mytex.name = "mytex";
    mytex.type = hlsl::ParameterType::Texture;
    mytexTemp.name = "mytexTemp";
    mytexTemp.type = hlsl::ParameterType::Texture;
    e.parameters = {color1, mytex, mytexTemp};
    hlsl::SamplerDesc s1, s2;
    s1.name = "mytexSampler";
    s1.texture = "mytex";
    s2.name = "mytexTempSampler";
    s2.texture = "mytexTemp";
    s1.addressU = s1.addressV = s2.addressU = s2.addressV = hlsl::Address::Clamp;
    e.samplers = {s1, s2};
    hlsl::PassDesc row;
    row.name = "p0";
    row.fragmentGlsl = kRowGlsl;
    row.uniforms = {{"COLOR1", "COLOR1", hlsl::UniformKind::Float}};
    row.samplers = {{"mytexSampler", "mytexSampler", 0}};
    row.renderStates = {{"cullmode", 1}};
    hlsl::PassDesc sub = row;
    sub.fragmentGlsl = kSubMatGlsl;
    sub.samplers.push_back({"mytexTempSampler", "mytexTempSampler", 1});
    e.techniques = {{"poctyRow", {row}}, {"poctySubMat", {sub}}};
    return e;
}

IDirect3DTexture9* Target(IDirect3DDevice9* device, UINT w, UINT h) {
    IDirect3DTexture9* t = nullptr;
    D3DXCreateTexture(device, w, h, 1, D3DUSAGE_RENDERTARGET, D3DFMT_R32F, D3DPOOL_DEFAULT, &t);
    return t;
}

void Upload(IDirect3DDevice9* device, IDirect3DTexture9* target, int w, int h,
            const std::vector<float>& values) {
    IDirect3DTexture9* staging = nullptr;
    D3DXCreateTexture(device, w, h, 1, 0, D3DFMT_R32F, D3DPOOL_SYSTEMMEM, &staging);
    D3DLOCKED_RECT locked;
    staging->LockRect(0, &locked, nullptr, 0);
    for (int y = 0; y < h; ++y)
        std::memcpy(static_cast<char*>(locked.pBits) + y * locked.Pitch, &values[y * w],
                    sizeof(float) * w);
    device->UpdateTexture(staging, target);
    staging->UnlockRect(0);
    staging->Release();
}

std::vector<float> LastRow(IDirect3DDevice9* device, IDirect3DSurface9* surface, int w, int h) {
    IDirect3DTexture9* staging = nullptr;
    IDirect3DSurface9* to = nullptr;
    D3DXCreateTexture(device, w, h, 1, 0, D3DFMT_R32F, D3DPOOL_SYSTEMMEM, &staging);
    staging->GetSurfaceLevel(0, &to);
    device->GetRenderTargetData(surface, to);
    D3DLOCKED_RECT locked;
    staging->LockRect(0, &locked, nullptr, 0);
    const float* row =
        reinterpret_cast<const float*>(static_cast<char*>(locked.pBits) + (h - 1) * locked.Pitch);
    std::vector<float> out(row, row + w);
    staging->UnlockRect(0);
    to->Release();
    staging->Release();
    return out;
}

void PassLoop(IDirect3DDevice9* device, ID3DXEffect* effect, const Vertex* quad) {
    UINT passes = 0;
    if (FAILED(effect->Begin(&passes, 0))) return;
    for (UINT p = 0; p < passes; ++p) {
        effect->BeginPass(p);
        device->SetFVF(D3DFVF_XYZRHW | D3DFVF_TEX1);
        device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(Vertex));
        effect->EndPass();
    }
    effect->End();
}

}  // namespace

bool RunThroughLayer(const Matrix& m, int pivots, Result& result) {
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    if (d3d == nullptr) return false;
    D3DPRESENT_PARAMETERS pp;
    std::memset(&pp, 0, sizeof(pp));
    pp.Windowed = TRUE;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.BackBufferWidth = pp.BackBufferHeight = 64;
    IDirect3DDevice9* device = nullptr;
    if (FAILED(d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, nullptr, 0x42, &pp, &device))) {
        d3d->Release();
        return false;
    }
    D3DADAPTER_IDENTIFIER9 id;
    d3d->GetAdapterIdentifier(D3DADAPTER_DEFAULT, 0, &id);
    result.renderer = id.Description;
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    ID3DXEffect* effect = nullptr;
    std::string errors;
    if (FAILED(kd3d9::CreateEffectFromDescription(device, EliminationEffect(), "bench.fx", &effect,
                                                  &errors))) {
        result.error = errors;
        device->Release();
        d3d->Release();
        return false;
    }
    const int w = m.width, h = m.height;
    IDirect3DTexture9* texIn = Target(device, w, h);
    IDirect3DTexture9* texPong = Target(device, w, h);
    IDirect3DTexture9* texTemp = Target(device, 1, h);
    IDirect3DSurface9 *surfIn = nullptr, *surfPong = nullptr, *surfTemp = nullptr;
    texIn->GetSurfaceLevel(0, &surfIn);
    texPong->GetSurfaceLevel(0, &surfPong);
    texTemp->GetSurfaceLevel(0, &surfTemp);
    Upload(device, texIn, w, h, m.values);
    Upload(device, texPong, w, h, std::vector<float>(m.values.size(), 0.0f));
    Upload(device, texTemp, 1, h, std::vector<float>(static_cast<size_t>(h), 0.0f));
    device->Present(nullptr, nullptr, nullptr, nullptr);

    const float right = static_cast<float>(w) - 0.5f, bottom = static_cast<float>(h) - 0.5f;
    const Vertex quad[4] = {{-0.5f, -0.5f, 0, 1, 0, 0},
                            {right, -0.5f, 0, 1, 1, 0},
                            {-0.5f, bottom, 0, 1, 0, 1},
                            {right, bottom, 0, 1, 1, 1}};
    const auto start = Clock::now();
    const double cpuStart = ProcessCpuSeconds();
    device->BeginScene();
    for (int k = 0; k < pivots; ++k) {
        const D3DXVECTOR4 color1(static_cast<float>(w), static_cast<float>(h), 1.0f,
                                 static_cast<float>(k));
        effect->SetVector(effect->GetParameterByName(nullptr, "COLOR1"), &color1);
        effect->SetTexture("mytex", texIn);
        effect->SetTechnique("poctyRow");
        device->SetRenderTarget(0, surfTemp);
        PassLoop(device, effect, quad);
        effect->SetTechnique("poctySubMat");
        device->SetRenderTarget(0, surfPong);
        effect->SetTexture("mytex", texIn);
        effect->SetTexture("mytexTemp", texTemp);
        PassLoop(device, effect, quad);
        std::swap(surfIn, surfPong);
        std::swap(texIn, texPong);
    }
    device->EndScene();
    device->Present(nullptr, nullptr, nullptr, nullptr);
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    result.cpuSeconds = ProcessCpuSeconds() - cpuStart;
    result.lastRow = LastRow(device, surfIn, w, h);

    effect->Release();
    for (IUnknown* u : std::initializer_list<IUnknown*>{surfIn, surfPong, surfTemp, texIn, texPong,
                                                        texTemp, device, d3d})
        u->Release();
    return true;
}

}  // namespace bench
