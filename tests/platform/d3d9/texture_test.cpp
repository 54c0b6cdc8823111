#include <cstring>

#include "d3d9_test_support.h"

namespace {

using d3d9test::DeviceFixture;
using d3d9test::MakeTexture;

using TextureTest = DeviceFixture;

TEST_F(TextureTest, SystemMemoryRowsArePaddedTo64Bytes) {
    struct Case {
        UINT width;
        INT pitch;
    };
    const Case cases[] = {{1, 64}, {15, 64}, {16, 64}, {17, 128}, {100, 448}};
    for (const Case& c : cases) {
        IDirect3DTexture9* t = MakeTexture(device, c.width, 3, 0, D3DPOOL_SYSTEMMEM);
        ASSERT_NE(t, nullptr);
        D3DLOCKED_RECT locked;
        ASSERT_EQ(t->LockRect(0, &locked, nullptr, 0), D3D_OK);
        EXPECT_EQ(locked.Pitch, c.pitch) << "width " << c.width;
        D3DLOCKED_RECT again;
        EXPECT_EQ(t->LockRect(0, &again, nullptr, 0), D3DERR_INVALIDCALL);  // already locked
        EXPECT_EQ(t->UnlockRect(0), D3D_OK);
        EXPECT_EQ(t->UnlockRect(0), D3DERR_INVALIDCALL);
        t->Release();
    }
}

TEST_F(TextureTest, DeviceTexturesDoNotLock) {
    IDirect3DTexture9* t = MakeTexture(device, 4, 4, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    ASSERT_NE(t, nullptr);
    D3DLOCKED_RECT locked;
    EXPECT_EQ(t->LockRect(0, &locked, nullptr, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(locked.pBits, nullptr);
    t->Release();
}

// Values go up and come back through padded rows; the padding, filled with
// rubbish, never reaches the texture.
TEST_F(TextureTest, UploadAndReadBackThroughPaddedPitch) {
    const UINT sizes[][2] = {{1, 1}, {1, 7}, {17, 3}, {33, 5}, {16, 16}};
    for (const auto& size : sizes) {
        const UINT w = size[0], h = size[1];
        IDirect3DTexture9* staging = MakeTexture(device, w, h, 0, D3DPOOL_SYSTEMMEM);
        IDirect3DTexture9* target = MakeTexture(device, w, h, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
        ASSERT_NE(staging, nullptr);
        ASSERT_NE(target, nullptr);
        D3DLOCKED_RECT locked;
        ASSERT_EQ(staging->LockRect(0, &locked, nullptr, 0), D3D_OK);
        std::memset(locked.pBits, 0x7f, static_cast<size_t>(locked.Pitch) * h);
        std::vector<float> expected;
        for (UINT y = 0; y < h; ++y)
            for (UINT x = 0; x < w; ++x) {
                const float v = static_cast<float>(y * 1000 + x) + 0.25f;
                reinterpret_cast<float*>(static_cast<char*>(locked.pBits) + y * locked.Pitch)[x] = v;
                expected.push_back(v);
            }
        // The program uploads with the source still locked.
        EXPECT_EQ(device->UpdateTexture(staging, target), D3D_OK);
        EXPECT_EQ(staging->UnlockRect(0), D3D_OK);
        EXPECT_EQ(d3d9test::ReadBack(device, target, w, h), expected) << w << " x " << h;
        staging->Release();
        target->Release();
    }
}

TEST_F(TextureTest, MismatchedCopiesFail) {
    IDirect3DTexture9* sys4x4 = MakeTexture(device, 4, 4, 0, D3DPOOL_SYSTEMMEM);
    IDirect3DTexture9* sys4x5 = MakeTexture(device, 4, 5, 0, D3DPOOL_SYSTEMMEM);
    IDirect3DTexture9* sysArgb = MakeTexture(device, 4, 4, 0, D3DPOOL_SYSTEMMEM, D3DFMT_A8R8G8B8);
    IDirect3DTexture9* rt4x4 = MakeTexture(device, 4, 4, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    IDirect3DTexture9* rt5x4 = MakeTexture(device, 5, 4, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    IDirect3DTexture9* plain4x4 = MakeTexture(device, 4, 4, 0, D3DPOOL_DEFAULT);
    ASSERT_TRUE(sys4x4 && sys4x5 && sysArgb && rt4x4 && rt5x4 && plain4x4);

    struct UpdateCase {
        const char* what;
        IDirect3DTexture9 *from, *to;
    };
    const UpdateCase updates[] = {
        {"size", sys4x5, rt4x4},          {"width", sys4x4, rt5x4},
        {"format", sysArgb, rt4x4},       {"device to device", rt4x4, plain4x4},
        {"host to host", sys4x4, sys4x5}, {"wrong direction", rt4x4, sys4x4},
        {"null source", nullptr, rt4x4},
    };
    for (const UpdateCase& c : updates)
        EXPECT_EQ(device->UpdateTexture(c.from, c.to), D3DERR_INVALIDCALL) << c.what;
    EXPECT_EQ(device->UpdateTexture(sys4x4, plain4x4), D3D_OK);  // a plain DEFAULT texture is fine

    auto surface = [](IDirect3DTexture9* t) {
        IDirect3DSurface9* s = nullptr;
        t->GetSurfaceLevel(0, &s);
        s->Release();  // the textures keep the surfaces alive
        return s;
    };
    struct ReadCase {
        const char* what;
        IDirect3DSurface9 *from, *to;
    };
    const ReadCase reads[] = {
        {"size", surface(rt5x4), surface(sys4x4)},
        {"height", surface(rt4x4), surface(sys4x5)},
        {"format", surface(rt4x4), surface(sysArgb)},
        {"source not a target", surface(plain4x4), surface(sys4x4)},
        {"destination in device memory", surface(rt4x4), surface(plain4x4)},
        {"null destination", surface(rt4x4), nullptr},
    };
    for (const ReadCase& c : reads)
        EXPECT_EQ(device->GetRenderTargetData(c.from, c.to), D3DERR_INVALIDCALL) << c.what;
    EXPECT_EQ(device->GetRenderTargetData(surface(rt4x4), surface(sys4x4)), D3D_OK);

    for (IDirect3DTexture9* t : {sys4x4, sys4x5, sysArgb, rt4x4, rt5x4, plain4x4}) t->Release();
}

TEST_F(TextureTest, TexturesBeyondTheCapsFailCleanly) {
    D3DCAPS9 caps;
    ASSERT_EQ(d3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps), D3D_OK);
    const UINT max = caps.MaxTextureWidth;
    struct Case {
        const char* what;
        UINT width, height;
        DWORD usage;
        D3DPOOL pool;
        D3DFORMAT format;
    };
    const Case cases[] = {
        {"too wide", max + 1, 1, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT, D3DFMT_R32F},
        {"too high", 1, caps.MaxTextureHeight + 1, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT,
         D3DFMT_R32F},
        {"too wide in host memory", max + 1, 1, 0, D3DPOOL_SYSTEMMEM, D3DFMT_R32F},
        {"empty", 0, 4, 0, D3DPOOL_SYSTEMMEM, D3DFMT_R32F},
        {"host render target", 4, 4, D3DUSAGE_RENDERTARGET, D3DPOOL_SYSTEMMEM, D3DFMT_R32F},
        {"unknown format", 4, 4, 0, D3DPOOL_DEFAULT, D3DFMT_UNKNOWN},
    };
    for (const Case& c : cases) {
        IDirect3DTexture9* t = reinterpret_cast<IDirect3DTexture9*>(1);
        EXPECT_EQ(D3DXCreateTexture(device, c.width, c.height, 1, c.usage, c.format, c.pool, &t),
                  D3DERR_INVALIDCALL)
            << c.what;
        EXPECT_EQ(t, nullptr) << c.what;
    }
    // The largest allowed size still works in one dimension.
    IDirect3DTexture9* edge = MakeTexture(device, max, 1, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    EXPECT_NE(edge, nullptr);
    if (edge) edge->Release();
}

TEST_F(TextureTest, DescriptionsAndSubRectangleLocks) {
    IDirect3DTexture9* t = MakeTexture(device, 20, 6, 0, D3DPOOL_SYSTEMMEM);
    ASSERT_NE(t, nullptr);
    D3DSURFACE_DESC desc;
    ASSERT_EQ(t->GetLevelDesc(0, &desc), D3D_OK);
    EXPECT_EQ(desc.Width, 20u);
    EXPECT_EQ(desc.Height, 6u);
    EXPECT_EQ(desc.Format, D3DFMT_R32F);
    EXPECT_EQ(desc.Pool, D3DPOOL_SYSTEMMEM);
    EXPECT_EQ(t->GetLevelDesc(1, &desc), D3DERR_INVALIDCALL);
    D3DLOCKED_RECT whole, part;
    ASSERT_EQ(t->LockRect(0, &whole, nullptr, 0), D3D_OK);
    t->UnlockRect(0);
    const RECT rect = {3, 2, 5, 4};
    ASSERT_EQ(t->LockRect(0, &part, &rect, 0), D3D_OK);
    EXPECT_EQ(static_cast<char*>(part.pBits), static_cast<char*>(whole.pBits) + 2 * whole.Pitch + 12);
    t->UnlockRect(0);
    const RECT outside = {0, 0, 21, 1};
    EXPECT_EQ(t->LockRect(0, &part, &outside, 0), D3DERR_INVALIDCALL);
    t->Release();
}

}  // namespace
