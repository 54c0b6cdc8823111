#include <cmath>

#include "d3d9_test_support.h"

namespace {

using namespace d3d9test;

using DrawTest = DeviceFixture;

const int kSizes[][2] = {{1, 1}, {1, 6}, {5, 1}, {2, 2}, {3, 5}, {8, 7}, {17, 16}, {33, 9}};

std::vector<float> Numbered(int w, int h) {
    std::vector<float> v(static_cast<size_t>(w * h));
    for (size_t i = 0; i < v.size(); ++i) v[i] = static_cast<float>(i + 1);
    return v;
}

// Every pixel of the target quad receives the centre of its own texel: the
// interpolated coordinates are the centre, and a point read returns the texel.
TEST_F(DrawTest, TargetQuadGivesEachPixelItsTexelCentre) {
    ID3DXEffect* lookup = MakeEffect(device, SimpleEffect("kd_COLOR0 = texture(s, kd_TEXCOORD0.xy);"));
    ID3DXEffect* coordU = MakeEffect(device, SimpleEffect("kd_COLOR0 = vec4(kd_TEXCOORD0.x);"));
    ID3DXEffect* coordV = MakeEffect(device, SimpleEffect("kd_COLOR0 = vec4(kd_TEXCOORD0.y);"));
    ASSERT_TRUE(lookup && coordU && coordV);
    for (const auto& size : kSizes) {
        const int w = size[0], h = size[1];
        SCOPED_TRACE(::testing::Message() << w << " x " << h);
        IDirect3DTexture9* source = MakeTexture(device, w, h, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
        IDirect3DTexture9* target = MakeTexture(device, w, h, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
        ASSERT_TRUE(source && target);
        Upload(device, source, w, h, Numbered(w, h));
        ASSERT_EQ(lookup->SetTexture("tex", source), D3D_OK);
        DrawStrip(device, lookup, target, TargetQuad(w, h));
        EXPECT_EQ(ReadBack(device, target, w, h), Numbered(w, h));

        DrawStrip(device, coordU, target, TargetQuad(w, h));
        const std::vector<float> u = ReadBack(device, target, w, h);
        DrawStrip(device, coordV, target, TargetQuad(w, h));
        const std::vector<float> v = ReadBack(device, target, w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                EXPECT_NEAR(u[y * w + x] * w, x + 0.5, 1e-3) << "pixel " << x << "," << y;
                EXPECT_NEAR(v[y * w + x] * h, y + 0.5, 1e-3) << "pixel " << x << "," << y;
            }
        lookup->SetTexture("tex", nullptr);
        source->Release();
        target->Release();
    }
    lookup->Release();
    coordU->Release();
    coordV->Release();
}

// The factor pass draws the matrix-wide quad into a one-column target: only
// column 0 is inside, and it receives u = 0.5 / width.
TEST_F(DrawTest, WideQuadOnAOneColumnTarget) {
    ID3DXEffect* coords =
        MakeEffect(device, SimpleEffect("kd_COLOR0 = vec4(kd_TEXCOORD0.x * c.x + kd_TEXCOORD0.y * c.y);"));
    ASSERT_NE(coords, nullptr);
    const int h = 4;
    IDirect3DTexture9* target = MakeTexture(device, 1, h, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    ASSERT_NE(target, nullptr);
    for (int w : {2, 5, 501}) {
        const D3DXVECTOR4 uOnly(1, 0, 0, 0), vOnly(0, 1, 0, 0);
        coords->SetVector("c", &uOnly);
        DrawStrip(device, coords, target, TargetQuad(w, h));
        for (float u : ReadBack(device, target, 1, h)) EXPECT_NEAR(u * w, 0.5, 1e-3) << "width " << w;
        coords->SetVector("c", &vOnly);
        DrawStrip(device, coords, target, TargetQuad(w, h));
        const std::vector<float> v = ReadBack(device, target, 1, h);
        for (int y = 0; y < h; ++y) EXPECT_NEAR(v[y] * h, y + 0.5, 1e-3) << "width " << w;
    }
    coords->Release();
    target->Release();
}

// The cover triangle reaches every pixel, and a point read at its coordinate
// returns the pixel's own texel.
TEST_F(DrawTest, CoverTriangleReachesEveryPixel) {
    ID3DXEffect* effect = MakeEffect(device, SimpleEffect("kd_COLOR0 = texture(s, kd_TEXCOORD0.xy) * c.x;"));
    ASSERT_NE(effect, nullptr);
    for (const auto& size : kSizes) {
        const int w = size[0], h = size[1];
        SCOPED_TRACE(::testing::Message() << w << " x " << h);
        IDirect3DTexture9* source = MakeTexture(device, w, h, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
        IDirect3DTexture9* target = MakeTexture(device, w, h, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
        ASSERT_TRUE(source && target);
        Upload(device, source, w, h, Numbered(w, h));
        Upload(device, target, w, h, std::vector<float>(static_cast<size_t>(w * h), -1.0f));
        const D3DXVECTOR4 three(3.0f, 0.0f, 0.0f, 0.0f);
        ASSERT_EQ(effect->SetVector("c", &three), D3D_OK);
        ASSERT_EQ(effect->SetTexture("tex", source), D3D_OK);
        DrawStrip(device, effect, target, CoverTriangle(w, h));
        std::vector<float> expected = Numbered(w, h);
        for (float& e : expected) e *= 3.0f;
        EXPECT_EQ(ReadBack(device, target, w, h), expected);
        effect->SetTexture("tex", nullptr);
        source->Release();
        target->Release();
    }
    effect->Release();
}

TEST_F(DrawTest, R32FSamplesAsROneOneOne) {
    ID3DXEffect* effect = MakeEffect(device, SimpleEffect("kd_COLOR0 = texture(s, kd_TEXCOORD0.xy);"));
    IDirect3DTexture9* source = MakeTexture(device, 2, 1, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    IDirect3DTexture9* target =
        MakeTexture(device, 2, 1, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT, D3DFMT_A32B32G32R32F);
    ASSERT_TRUE(effect && source && target);
    Upload(device, source, 2, 1, {0.5f, -7.0f});
    effect->SetTexture("tex", source);
    DrawStrip(device, effect, target, TargetQuad(2, 1));
    EXPECT_EQ(ReadBack(device, target, 2, 1, D3DFMT_A32B32G32R32F),
              (std::vector<float>{0.5f, 1, 1, 1, -7.0f, 1, 1, 1}));
    effect->Release();
    source->Release();
    target->Release();
}

// Two targets trade roles, each pass reading the result of the one before.
TEST_F(DrawTest, PingPongBetweenTwoTargets) {
    ID3DXEffect* effect =
        MakeEffect(device, SimpleEffect("kd_COLOR0 = texture(s, kd_TEXCOORD0.xy) * 2.0 + c.x;"));
    const int w = 7, h = 3;
    IDirect3DTexture9* in = MakeTexture(device, w, h, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    IDirect3DTexture9* pong = MakeTexture(device, w, h, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    ASSERT_TRUE(effect && in && pong);
    std::vector<float> expected = Numbered(w, h);
    Upload(device, in, w, h, expected);
    for (int k = 0; k < 5; ++k) {
        const D3DXVECTOR4 add(static_cast<float>(k), 0, 0, 0);
        effect->SetVector("c", &add);
        effect->SetTexture("tex", in);
        DrawStrip(device, effect, pong, TargetQuad(w, h));
        std::swap(in, pong);
        for (float& e : expected) e = e * 2.0f + static_cast<float>(k);
    }
    EXPECT_EQ(ReadBack(device, in, w, h), expected);
    effect->Release();
    in->Release();
    pong->Release();
}

TEST_F(DrawTest, ClearFillsTheCurrentTarget) {
    IDirect3DTexture9* target = MakeTexture(device, 3, 2, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    ASSERT_NE(target, nullptr);
    IDirect3DSurface9* surface = nullptr;
    target->GetSurfaceLevel(0, &surface);
    ASSERT_EQ(device->SetRenderTarget(0, surface), D3D_OK);
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFFFFFFFF, 1.0f, 0), D3D_OK);
    EXPECT_EQ(ReadBack(device, target, 3, 2), std::vector<float>(6, 1.0f));
    const D3DRECT rect = {1, 1, 3, 2};  // row 1, columns 1 and 2
    EXPECT_EQ(device->Clear(1, &rect, D3DCLEAR_TARGET, 0x00000000, 1.0f, 0), D3D_OK);
    EXPECT_EQ(ReadBack(device, target, 3, 2), (std::vector<float>{1, 1, 1, 1, 0, 0}));
    EXPECT_EQ(device->Clear(1, nullptr, D3DCLEAR_TARGET, 0, 1.0f, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 1.0f, 0), D3DERR_INVALIDCALL);
    surface->Release();
    target->Release();
}

TEST_F(DrawTest, DrawsNeedASceneAPassAndTheVertexFormat) {
    ID3DXEffect* effect = MakeEffect(device, SimpleEffect("kd_COLOR0 = vec4(1.0);"));
    ASSERT_NE(effect, nullptr);
    const std::vector<Vertex> quad = TargetQuad(64, 64);
    auto draw = [&] { return device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad.data(), 24); };
    device->SetFVF(D3DFVF_XYZRHW | D3DFVF_TEX1);
    UINT passes = 0;
    ASSERT_EQ(effect->Begin(&passes, 0), D3D_OK);
    ASSERT_EQ(effect->BeginPass(0), D3D_OK);
    EXPECT_EQ(draw(), D3DERR_INVALIDCALL);  // no scene
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    EXPECT_EQ(device->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(draw(), D3D_OK);
    device->SetFVF(0x142);  // position and diffuse: not a pre-transformed format handled here
    EXPECT_EQ(draw(), D3DERR_INVALIDCALL);
    device->SetFVF(D3DFVF_XYZRHW | D3DFVF_TEX1);
    effect->EndPass();
    EXPECT_EQ(draw(), D3DERR_INVALIDCALL);  // no pass
    effect->End();
    EXPECT_EQ(device->EndScene(), D3D_OK);
    EXPECT_EQ(device->EndScene(), D3DERR_INVALIDCALL);
    effect->Release();
}

}  // namespace

namespace {

using namespace d3d9test;
using DrawInPassTest = DeviceFixture;

// Uploads and new textures inside a pass leave the pass's textures bound.
TEST_F(DrawInPassTest, UploadsInsideAPassKeepItsTextures) {
    ID3DXEffect* effect = MakeEffect(device, SimpleEffect("kd_COLOR0 = texture(s, kd_TEXCOORD0.xy);"));
    IDirect3DTexture9* source = MakeTexture(device, 2, 1, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    IDirect3DTexture9* other = MakeTexture(device, 2, 1, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    IDirect3DTexture9* target = MakeTexture(device, 2, 1, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT);
    ASSERT_TRUE(effect && source && other && target);
    Upload(device, source, 2, 1, {4, 5});
    effect->SetTexture("tex", source);
    IDirect3DSurface9* surface = nullptr;
    target->GetSurfaceLevel(0, &surface);
    device->SetRenderTarget(0, surface);
    surface->Release();
    const std::vector<Vertex> quad = TargetQuad(2, 1);
    device->SetFVF(D3DFVF_XYZRHW | D3DFVF_TEX1);
    device->BeginScene();
    UINT passes = 0;
    effect->Begin(&passes, 0);
    effect->BeginPass(0);
    Upload(device, other, 2, 1, {8, 9});
    IDirect3DTexture9* fresh = MakeTexture(device, 3, 3, 0, D3DPOOL_DEFAULT);
    EXPECT_EQ(device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad.data(), sizeof(Vertex)), D3D_OK);
    effect->EndPass();
    effect->End();
    device->EndScene();
    EXPECT_EQ(ReadBack(device, target, 2, 1), (std::vector<float>{4, 5}));
    for (IUnknown* u : std::initializer_list<IUnknown*>{fresh, effect, source, other, target})
        u->Release();
}

}  // namespace
