#pragma once
// Small helpers for the Direct3D 9 stand-in tests: a device, R32F textures
// filled and read back, and effects written directly in GLSL.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "d3dx9.h"
#include "d3dx_internal.h"

namespace d3d9test {

// A device with a 64 x 64 back buffer (no window needed).
struct DeviceFixture : ::testing::Test {
    void SetUp() override;
    void TearDown() override;

    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
};

IDirect3DDevice9* CreateTestDevice(IDirect3D9* d3d);

// Texture made through D3DX; null on failure.
IDirect3DTexture9* MakeTexture(IDirect3DDevice9* device, UINT width, UINT height, DWORD usage,
                               D3DPOOL pool, D3DFORMAT format = D3DFMT_R32F);

// Uploads row-major `values` (width x height) into a DEFAULT-pool texture
// through a SYSTEMMEM staging texture.
void Upload(IDirect3DDevice9* device, IDirect3DTexture9* target, UINT width, UINT height,
            const std::vector<float>& values);

// Reads a render target back: width x height x components floats, row-major.
std::vector<float> ReadBack(IDirect3DDevice9* device, IDirect3DTexture9* target, UINT width,
                            UINT height, D3DFORMAT format = D3DFMT_R32F);

// One technique "t" of one pass whose fragment shader is `body` inside
//   #version 330 core / in vec4 kd_TEXCOORD0; / in vec4 kd_COLOR0; /
//   layout(location = 0) out vec4 kd_COLOR0_out; uniform vec4 c; uniform sampler2D s;
// with parameter "c" (float4), texture parameter "tex" and point sampler "s".
hlsl::Effect SimpleEffect(const std::string& body);

ID3DXEffect* MakeEffect(IDirect3DDevice9* device, const hlsl::Effect& description);

struct Vertex {
    float x, y, z, rhw, u, v;
};

// Runs every pass of the current technique on `vertices` (a strip) into `target`.
void DrawStrip(IDirect3DDevice9* device, ID3DXEffect* effect, IDirect3DTexture9* target,
               const std::vector<Vertex>& vertices);

std::vector<Vertex> TargetQuad(int width, int height);
std::vector<Vertex> CoverTriangle(int width, int height);

}  // namespace d3d9test
