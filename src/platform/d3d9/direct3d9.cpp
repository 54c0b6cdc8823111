#include "direct3d9.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "device.h"

namespace kd3d9 {

Direct3D9* Direct3D9::Create() {
    AdapterInfo adapter;
    if (!AcquireAdapter(adapter)) return nullptr;
    Direct3D9* d3d = new (std::nothrow) Direct3D9(adapter);
    if (d3d == nullptr) ReleaseAdapter();
    return d3d;
}

Direct3D9::~Direct3D9() { ReleaseAdapter(); }

HRESULT Direct3D9::QueryInterface(REFIID, void** ppvObject) {
    if (ppvObject) *ppvObject = nullptr;
    return E_NOINTERFACE;
}

ULONG Direct3D9::AddRef() { return ++refs_; }

ULONG Direct3D9::Release() {
    if (refs_ == 0) return 0;
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

UINT Direct3D9::GetAdapterCount() { return 1; }

HRESULT Direct3D9::GetAdapterIdentifier(UINT Adapter, DWORD, D3DADAPTER_IDENTIFIER9* pIdentifier) {
    if (Adapter != 0 || pIdentifier == nullptr) return D3DERR_INVALIDCALL;
    std::memset(pIdentifier, 0, sizeof(*pIdentifier));
    const size_t last = MAX_DEVICE_IDENTIFIER_STRING - 1;
    std::memcpy(pIdentifier->Description, adapter_.renderer.data(),
                std::min(adapter_.renderer.size(), last));
    std::memcpy(pIdentifier->Driver, adapter_.version.data(), std::min(adapter_.version.size(), last));
    std::strcpy(pIdentifier->DeviceName, "EGL device");
    return D3D_OK;
}

// There is no display: the mode reports the desktop format only.
HRESULT Direct3D9::GetAdapterDisplayMode(UINT Adapter, D3DDISPLAYMODE* pMode) {
    if (Adapter != 0 || pMode == nullptr) return D3DERR_INVALIDCALL;
    pMode->Width = 0;
    pMode->Height = 0;
    pMode->RefreshRate = 0;
    pMode->Format = D3DFMT_X8R8G8B8;
    return D3D_OK;
}

HRESULT Direct3D9::GetDeviceCaps(UINT Adapter, D3DDEVTYPE DeviceType, D3DCAPS9* pCaps) {
    if (Adapter != 0 || pCaps == nullptr) return D3DERR_INVALIDCALL;
    if (DeviceType != D3DDEVTYPE_HAL) return D3DERR_NOTAVAILABLE;
    std::memset(pCaps, 0, sizeof(*pCaps));
    const DWORD maxSize = static_cast<DWORD>(adapter_.maxTextureSize);
    pCaps->DeviceType = D3DDEVTYPE_HAL;
    pCaps->AdapterOrdinal = 0;
    pCaps->DevCaps = D3DDEVCAPS_HWTRANSFORMANDLIGHT;
    pCaps->MaxTextureWidth = maxSize;
    pCaps->MaxTextureHeight = maxSize;
    pCaps->MaxTextureAspectRatio = maxSize;
    pCaps->VertexProcessingCaps = D3DVTXPCAPS_TEXGEN | D3DVTXPCAPS_MATERIALSOURCE7 |
                                  D3DVTXPCAPS_DIRECTIONALLIGHTS | D3DVTXPCAPS_POSITIONALLIGHTS |
                                  D3DVTXPCAPS_LOCALVIEWER;
    pCaps->MaxSimultaneousTextures = 8;
    pCaps->MaxPrimitiveCount = kMaxPrimitiveCount;
    pCaps->MaxVertexIndex = 0xFFFFFF;
    pCaps->MaxStreams = 1;
    pCaps->VertexShaderVersion = D3DVS_VERSION(3, 0);
    pCaps->MaxVertexShaderConst = 256;
    pCaps->PixelShaderVersion = D3DPS_VERSION(3, 0);
    pCaps->NumSimultaneousRTs = 1;
    return D3D_OK;
}

HRESULT Direct3D9::CreateDevice(UINT Adapter, D3DDEVTYPE DeviceType, HWND hFocusWindow, DWORD,
                                D3DPRESENT_PARAMETERS* pp, IDirect3DDevice9** ppDevice) {
    if (ppDevice == nullptr) return D3DERR_INVALIDCALL;
    *ppDevice = nullptr;
    if (Adapter != 0 || pp == nullptr) return D3DERR_INVALIDCALL;
    if (DeviceType != D3DDEVTYPE_HAL) return D3DERR_NOTAVAILABLE;
    // No multisampling and no depth buffer on these targets.
    if (pp->MultiSampleType != D3DMULTISAMPLE_NONE || pp->EnableAutoDepthStencil)
        return D3DERR_NOTAVAILABLE;
    D3DFORMAT format = pp->BackBufferFormat == D3DFMT_UNKNOWN ? D3DFMT_X8R8G8B8
                                                              : pp->BackBufferFormat;
    if (format != D3DFMT_X8R8G8B8 && format != D3DFMT_A8R8G8B8) return D3DERR_INVALIDCALL;
    UINT width = pp->BackBufferWidth;
    UINT height = pp->BackBufferHeight;
    if (width == 0 || height == 0) {
        // The back buffer takes the window's client size, as on Windows.
        HWND window = pp->hDeviceWindow != nullptr ? pp->hDeviceWindow : hFocusWindow;
        UINT clientWidth = 0, clientHeight = 0;
        if (window == nullptr || !WindowClientSize(window, clientWidth, clientHeight))
            return D3DERR_INVALIDCALL;
        if (width == 0) width = clientWidth;
        if (height == 0) height = clientHeight;
        if (width == 0 || height == 0) return D3DERR_INVALIDCALL;
    }
    Device* device = nullptr;
    const HRESULT hr = Device::Create(this, width, height, format, &device);
    if (FAILED(hr)) return hr;
    pp->BackBufferWidth = width;
    pp->BackBufferHeight = height;
    pp->BackBufferFormat = format;
    if (pp->BackBufferCount == 0) pp->BackBufferCount = 1;
    *ppDevice = device;
    return D3D_OK;
}

}  // namespace kd3d9

IDirect3D9* WINAPI Direct3DCreate9(UINT SDKVersion) {
    if (SDKVersion != D3D_SDK_VERSION) return nullptr;
    return kd3d9::Direct3D9::Create();
}
