#include <cstring>

#include "d3d9_test_support.h"

// The window system's answer, as the Win32 stand-in gives it to the program:
// window 1 has a 40 x 30 client area, window 2 an empty one.
BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
    const uintptr_t id = reinterpret_cast<uintptr_t>(hWnd);
    if (id != 1 && id != 2) return FALSE;
    *lpRect = {0, 0, id == 1 ? 40 : 0, id == 1 ? 30 : 0};
    return TRUE;
}

namespace {

struct CreateCase {
    const char* what;
    uintptr_t window;
    UINT width, height;
    HRESULT result;
    UINT wantWidth, wantHeight;
};

// A zero back-buffer size takes the window's client size, as on Windows.
TEST(CreateDevice, BackBufferTakesTheWindowsClientSize) {
    const CreateCase cases[] = {
        {"window size", 1, 0, 0, D3D_OK, 40, 30},
        {"given size", 1, 8, 4, D3D_OK, 8, 4},
        {"empty window", 2, 0, 0, D3DERR_INVALIDCALL, 0, 0},
        {"unknown window", 3, 0, 0, D3DERR_INVALIDCALL, 0, 0},
        {"no window", 0, 0, 0, D3DERR_INVALIDCALL, 0, 0},
    };
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    for (const CreateCase& c : cases) {
        D3DPRESENT_PARAMETERS pp;
        std::memset(&pp, 0, sizeof(pp));
        pp.Windowed = TRUE;
        pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
        pp.BackBufferFormat = D3DFMT_X8R8G8B8;
        pp.BackBufferWidth = c.width;
        pp.BackBufferHeight = c.height;
        IDirect3DDevice9* device = nullptr;
        EXPECT_EQ(d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL,
                                    reinterpret_cast<HWND>(c.window), 0x42, &pp, &device),
                  c.result)
            << c.what;
        if (device == nullptr) continue;
        IDirect3DSurface9* backBuffer = nullptr;
        ASSERT_EQ(device->GetRenderTarget(0, &backBuffer), D3D_OK);
        D3DSURFACE_DESC desc;
        backBuffer->GetDesc(&desc);
        EXPECT_EQ(desc.Width, c.wantWidth) << c.what;
        EXPECT_EQ(desc.Height, c.wantHeight) << c.what;
        EXPECT_EQ(pp.BackBufferWidth, c.wantWidth) << c.what;
        backBuffer->Release();
        EXPECT_EQ(device->Release(), 0u);
    }
    EXPECT_EQ(d3d->Release(), 0u);
}

TEST(CreateDevice, RefusesWhatItCannotGive) {
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    D3DPRESENT_PARAMETERS pp;
    std::memset(&pp, 0, sizeof(pp));
    pp.Windowed = TRUE;
    pp.BackBufferWidth = pp.BackBufferHeight = 4;
    IDirect3DDevice9* device = nullptr;
    EXPECT_EQ(d3d->CreateDevice(1, D3DDEVTYPE_HAL, nullptr, 0x42, &pp, &device), D3DERR_INVALIDCALL);
    EXPECT_EQ(d3d->CreateDevice(0, D3DDEVTYPE_REF, nullptr, 0x42, &pp, &device), D3DERR_NOTAVAILABLE);
    pp.EnableAutoDepthStencil = TRUE;
    EXPECT_EQ(d3d->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, 0x42, &pp, &device), D3DERR_NOTAVAILABLE);
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(d3d->Release(), 0u);
}

}  // namespace
