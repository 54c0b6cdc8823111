#include "texture.h"

namespace kd3d9 {

Surface* AsSurface(IDirect3DSurface9* surface) { return dynamic_cast<Surface*>(surface); }

HRESULT Surface::QueryInterface(REFIID, void** ppvObject) {
    if (ppvObject) *ppvObject = nullptr;
    return E_NOINTERFACE;
}

// A surface lives inside its texture; while referenced it keeps its owner
// (the texture, or the device for the back buffer) alive.
ULONG Surface::AddRef() {
    if (refs_++ == 0) owner_->AddRef();
    return refs_;
}

ULONG Surface::Release() {
    if (refs_ == 0) return 0;
    const ULONG left = --refs_;
    if (left == 0) owner_->Release();  // may delete this surface
    return left;
}

HRESULT Surface::GetDevice(IDirect3DDevice9** ppDevice) { return container_->GetDevice(ppDevice); }

D3DRESOURCETYPE Surface::GetType() { return D3DRTYPE_SURFACE; }

HRESULT Surface::GetDesc(D3DSURFACE_DESC* pDesc) {
    if (pDesc == nullptr) return D3DERR_INVALIDCALL;
    container_->Describe(pDesc);
    return D3D_OK;
}

HRESULT Surface::LockRect(D3DLOCKED_RECT* pLockedRect, const RECT* pRect, DWORD Flags) {
    return container_->LockRect(0, pLockedRect, pRect, Flags);
}

HRESULT Surface::UnlockRect() { return container_->UnlockRect(0); }

}  // namespace kd3d9
