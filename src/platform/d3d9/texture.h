#pragma once
// IDirect3DTexture9 with one level, and IDirect3DSurface9 for that level.
//
// DEFAULT-pool textures are GL textures (render targets also own a
// framebuffer); SYSTEMMEM textures are host rows with a 64-byte pitch.
// A texture holds its device while the application holds it (public
// references); the device holds the current render target privately, so a
// target released by the application stays valid until it is replaced.
#include <epoxy/gl.h>

#include <memory>

#include "d3d9.h"
#include "formats.h"

namespace kd3d9 {

class Device;
class Texture;

class Surface final : public IDirect3DSurface9 {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetDevice(IDirect3DDevice9** ppDevice) override;
    D3DRESOURCETYPE STDMETHODCALLTYPE GetType() override;
    HRESULT STDMETHODCALLTYPE GetDesc(D3DSURFACE_DESC* pDesc) override;
    HRESULT STDMETHODCALLTYPE LockRect(D3DLOCKED_RECT* pLockedRect, const RECT* pRect,
                                       DWORD Flags) override;
    HRESULT STDMETHODCALLTYPE UnlockRect() override;

    Texture* Container() const { return container_; }

private:
    friend class Texture;
    Surface() = default;
    ~Surface() override = default;

    Texture* container_ = nullptr;
    IUnknown* owner_ = nullptr;  // kept alive while the surface is referenced
    ULONG refs_ = 0;
};

class Texture final : public IDirect3DTexture9 {
public:
    // `backBuffer`: the device's own target, never handed out as a texture;
    // its surface keeps the device itself alive.
    static HRESULT Create(Device* device, UINT width, UINT height, DWORD usage, D3DFORMAT format,
                          D3DPOOL pool, bool backBuffer, Texture** out);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetDevice(IDirect3DDevice9** ppDevice) override;
    D3DRESOURCETYPE STDMETHODCALLTYPE GetType() override;
    DWORD STDMETHODCALLTYPE GetLevelCount() override;
    HRESULT STDMETHODCALLTYPE GetLevelDesc(UINT Level, D3DSURFACE_DESC* pDesc) override;
    HRESULT STDMETHODCALLTYPE GetSurfaceLevel(UINT Level, IDirect3DSurface9** ppSurfaceLevel) override;
    HRESULT STDMETHODCALLTYPE LockRect(UINT Level, D3DLOCKED_RECT* pLockedRect, const RECT* pRect,
                                       DWORD Flags) override;
    HRESULT STDMETHODCALLTYPE UnlockRect(UINT Level) override;

    void AddRefPrivate() { ++privateRefs_; }
    void ReleasePrivate();

    Device* OwningDevice() const { return device_; }
    UINT Width() const { return width_; }
    UINT Height() const { return height_; }
    D3DFORMAT Format() const { return format_->format; }
    const FormatInfo& FormatDesc() const { return *format_; }
    D3DPOOL Pool() const { return pool_; }
    bool IsRenderTarget() const { return framebuffer_ != 0; }
    GLuint GlTexture() const { return texture_; }
    GLuint GlFramebuffer() const { return framebuffer_; }
    unsigned char* HostRows() const { return host_.get(); }
    UINT HostPitch() const { return pitch_; }
    void Describe(D3DSURFACE_DESC* desc) const;

private:
    Texture(Device* device, UINT width, UINT height, DWORD usage, const FormatInfo* format,
            D3DPOOL pool);
    ~Texture() override;
    HRESULT InitDeviceMemory();
    HRESULT InitHostMemory();

    Device* device_;
    UINT width_, height_;
    DWORD usage_;
    const FormatInfo* format_;
    D3DPOOL pool_;
    GLuint texture_ = 0;
    GLuint framebuffer_ = 0;
    std::unique_ptr<unsigned char[]> host_;
    UINT pitch_ = 0;
    bool locked_ = false;
    ULONG publicRefs_ = 0;
    ULONG privateRefs_ = 0;
    Surface surface_;
};

// The stand-in's texture behind an interface pointer, or null.
Texture* AsTexture(IDirect3DBaseTexture9* texture);
Surface* AsSurface(IDirect3DSurface9* surface);

}  // namespace kd3d9
