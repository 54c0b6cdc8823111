#include <cstring>

#include "d3d9_test_support.h"

namespace {

using namespace d3d9test;

TEST(Direct3DCreate9, RefusesOtherSdkVersions) {
    EXPECT_EQ(Direct3DCreate9(31), nullptr);
    EXPECT_EQ(Direct3DCreate9(D3D_SDK_VERSION + 1), nullptr);
}

TEST(Adapter, ReportsDriverCapsAndDescription) {
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    D3DCAPS9 caps;
    ASSERT_EQ(d3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps), D3D_OK);
    EXPECT_NE(caps.VertexProcessingCaps, 0u);
    EXPECT_GE(caps.VertexShaderVersion, static_cast<DWORD>(D3DVS_VERSION(1, 1)));
    EXPECT_GE(caps.PixelShaderVersion, static_cast<DWORD>(D3DPS_VERSION(2, 0)));
    EXPECT_GE(caps.MaxTextureWidth, 1024u);
    EXPECT_EQ(caps.MaxTextureHeight, caps.MaxTextureWidth);
    EXPECT_EQ(d3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_REF, &caps), D3DERR_NOTAVAILABLE);
    D3DADAPTER_IDENTIFIER9 id;
    ASSERT_EQ(d3d->GetAdapterIdentifier(D3DADAPTER_DEFAULT, 0, &id), D3D_OK);
    EXPECT_GT(std::strlen(id.Description), 0u);
    EXPECT_LT(std::strlen(id.Description), 512u);
    D3DDISPLAYMODE mode;
    ASSERT_EQ(d3d->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode), D3D_OK);
    EXPECT_EQ(mode.Format, D3DFMT_X8R8G8B8);
    EXPECT_EQ(d3d->Release(), 0u);
}

TEST(Lifetime, ChildrenKeepTheirDeviceAlive) {
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    IDirect3DDevice9* device = CreateTestDevice(d3d);
    ASSERT_NE(device, nullptr);
    IDirect3DTexture9* texture = MakeTexture(device, 4, 4, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    ID3DXEffect* effect = MakeEffect(device, SimpleEffect("kd_COLOR0 = texture(s, kd_TEXCOORD0.xy);"));
    ASSERT_TRUE(texture && effect);
    IDirect3DSurface9* surface = nullptr;
    ASSERT_EQ(texture->GetSurfaceLevel(0, &surface), D3D_OK);
    ASSERT_EQ(effect->SetTexture("tex", texture), D3D_OK);
    ASSERT_EQ(device->SetRenderTarget(0, surface), D3D_OK);

    // The application lets go of everything in an awkward order.
    EXPECT_EQ(d3d->Release(), 1u);      // the device holds it
    EXPECT_EQ(device->Release(), 2u);   // the texture and the effect hold it
    EXPECT_EQ(texture->Release(), 2u);  // the surface and the effect hold the texture
    EXPECT_EQ(surface->Release(), 0u);  // the texture is still the target, and bound
    EXPECT_GT(kd3d9::LiveGlObjects(), 0);
    EXPECT_EQ(effect->Release(), 0u);   // last holder: everything goes
    EXPECT_EQ(kd3d9::LiveGlObjects(), 0);
    EXPECT_EQ(kd3d9::LiveContexts(), 0);
}

// A target the application released stays usable until it is replaced.
TEST(Lifetime, ReleasedRenderTargetLivesUntilReplaced) {
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    IDirect3DDevice9* device = CreateTestDevice(d3d);
    ASSERT_NE(device, nullptr);
    IDirect3DSurface9* backBuffer = nullptr;
    ASSERT_EQ(device->GetRenderTarget(0, &backBuffer), D3D_OK);
    const long before = kd3d9::LiveGlObjects();
    IDirect3DTexture9* texture = MakeTexture(device, 4, 4, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    IDirect3DSurface9* surface = nullptr;
    texture->GetSurfaceLevel(0, &surface);
    device->SetRenderTarget(0, surface);
    surface->Release();
    texture->Release();
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1.0f, 0), D3D_OK);
    EXPECT_GT(kd3d9::LiveGlObjects(), before);
    EXPECT_EQ(device->SetRenderTarget(0, backBuffer), D3D_OK);
    EXPECT_EQ(kd3d9::LiveGlObjects(), before);
    EXPECT_EQ(device->SetRenderTarget(0, nullptr), D3DERR_INVALIDCALL);
    backBuffer->Release();
    EXPECT_EQ(device->Release(), 0u);
    EXPECT_EQ(d3d->Release(), 0u);
}

// Many devices, textures and effects come and go; nothing stays behind.
TEST(Lifetime, ManyDevicesAndTexturesFreeEveryGlObject) {
    for (int round = 0; round < 24; ++round) {
        IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
        ASSERT_NE(d3d, nullptr);
        IDirect3DDevice9* device = CreateTestDevice(d3d);
        ASSERT_NE(device, nullptr);
        ID3DXEffect* effect = MakeEffect(device, SimpleEffect("kd_COLOR0 = texture(s, kd_TEXCOORD0.xy);"));
        std::vector<IDirect3DTexture9*> textures;
        for (int i = 0; i < 12; ++i)
            textures.push_back(i % 3 == 0 ? MakeTexture(device, 8 + i, 5, 0, D3DPOOL_SYSTEMMEM)
                                          : MakeTexture(device, 8 + i, 5, i % 2 ? D3DUSAGE_RENDERTARGET : 0,
                                                        D3DPOOL_DEFAULT));
        for (IDirect3DTexture9* t : textures) ASSERT_NE(t, nullptr);
        effect->SetTexture("tex", textures[1]);
        DrawStrip(device, effect, textures[5], TargetQuad(8 + 5, 5));
        d3d->Release();
        device->Release();
        EXPECT_EQ(effect->Release(), 0u);
        for (IDirect3DTexture9* t : textures) EXPECT_EQ(t->Release(), 0u);
        ASSERT_EQ(kd3d9::LiveGlObjects(), 0) << "round " << round;
        ASSERT_EQ(kd3d9::LiveContexts(), 0) << "round " << round;
    }
}

TEST(Lifetime, TwoDevicesAtOnceKeepTheirOwnContexts) {
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    IDirect3DDevice9* a = CreateTestDevice(d3d);
    IDirect3DDevice9* b = CreateTestDevice(d3d);
    ASSERT_TRUE(a && b);
    IDirect3DTexture9* ta = MakeTexture(a, 3, 1, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    IDirect3DTexture9* tb = MakeTexture(b, 3, 1, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    Upload(a, ta, 3, 1, {1, 2, 3});
    Upload(b, tb, 3, 1, {4, 5, 6});
    EXPECT_EQ(ReadBack(a, ta, 3, 1), (std::vector<float>{1, 2, 3}));
    EXPECT_EQ(ReadBack(b, tb, 3, 1), (std::vector<float>{4, 5, 6}));
    // A texture of one device is not the other's.
    EXPECT_EQ(a->UpdateTexture(tb, ta), D3DERR_INVALIDCALL);
    ta->Release();
    tb->Release();
    EXPECT_EQ(a->Release(), 0u);
    EXPECT_EQ(b->Release(), 0u);
    EXPECT_EQ(d3d->Release(), 0u);
    EXPECT_EQ(kd3d9::LiveContexts(), 0);
}

}  // namespace
