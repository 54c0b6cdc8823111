#pragma once
// IDirect3D9: the adapter object that Direct3DCreate9 hands out.
#include "d3d9.h"
#include "egl_adapter.h"

namespace kd3d9 {

class Direct3D9 final : public IDirect3D9 {
public:
    // Null when no adapter can be opened.
    static Direct3D9* Create();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    UINT STDMETHODCALLTYPE GetAdapterCount() override;
    HRESULT STDMETHODCALLTYPE GetAdapterIdentifier(UINT Adapter, DWORD Flags,
                                                   D3DADAPTER_IDENTIFIER9* pIdentifier) override;
    HRESULT STDMETHODCALLTYPE GetAdapterDisplayMode(UINT Adapter, D3DDISPLAYMODE* pMode) override;
    HRESULT STDMETHODCALLTYPE GetDeviceCaps(UINT Adapter, D3DDEVTYPE DeviceType,
                                            D3DCAPS9* pCaps) override;
    HRESULT STDMETHODCALLTYPE CreateDevice(UINT Adapter, D3DDEVTYPE DeviceType, HWND hFocusWindow,
                                           DWORD BehaviorFlags,
                                           D3DPRESENT_PARAMETERS* pPresentationParameters,
                                           IDirect3DDevice9** ppReturnedDeviceInterface) override;

    const AdapterInfo& Adapter() const { return adapter_; }

private:
    explicit Direct3D9(const AdapterInfo& adapter) : adapter_(adapter) {}
    ~Direct3D9() override;

    AdapterInfo adapter_;
    ULONG refs_ = 1;
};

// The size of a window's client area, when the window system can tell it.
bool WindowClientSize(HWND window, UINT& width, UINT& height);

}  // namespace kd3d9
