#include "texture.h"

#include <new>
#include <typeinfo>

#include "device.h"
#include "gl_objects.h"

namespace kd3d9 {

Texture* AsTexture(IDirect3DBaseTexture9* texture) { return dynamic_cast<Texture*>(texture); }

Texture::Texture(Device* device, UINT width, UINT height, DWORD usage, const FormatInfo* format,
                 D3DPOOL pool)
    : device_(device), width_(width), height_(height), usage_(usage), format_(format), pool_(pool) {
    surface_.container_ = this;
    surface_.owner_ = this;
}

HRESULT Texture::Create(Device* device, UINT width, UINT height, DWORD usage, D3DFORMAT format,
                        D3DPOOL pool, bool backBuffer, Texture** out) {
    *out = nullptr;
    const FormatInfo* info = FindFormat(format);
    if (info == nullptr) return D3DERR_INVALIDCALL;
    const UINT maxSize = static_cast<UINT>(device->Adapter().maxTextureSize);
    if (width == 0 || height == 0 || width > maxSize || height > maxSize) return D3DERR_INVALIDCALL;
    if ((usage & ~(D3DUSAGE_RENDERTARGET | D3DUSAGE_DYNAMIC)) != 0) return D3DERR_INVALIDCALL;
    const bool hostPool = pool == D3DPOOL_SYSTEMMEM || pool == D3DPOOL_SCRATCH;
    if (!hostPool && pool != D3DPOOL_DEFAULT) return D3DERR_INVALIDCALL;
    if (hostPool && (usage & D3DUSAGE_RENDERTARGET) != 0) return D3DERR_INVALIDCALL;

    Texture* texture = new (std::nothrow) Texture(device, width, height, usage, info, pool);
    if (texture == nullptr) return E_OUTOFMEMORY;
    HRESULT hr = hostPool ? texture->InitHostMemory() : texture->InitDeviceMemory();
    if (FAILED(hr)) {
        delete texture;
        return hr;
    }
    if (backBuffer) {
        // Owned by the device; its surface counts on the device instead.
        texture->privateRefs_ = 1;
        texture->surface_.owner_ = device;
    } else {
        texture->publicRefs_ = 1;
        device->AddRef();
    }
    *out = texture;
    return D3D_OK;
}

HRESULT Texture::InitHostMemory() {
    pitch_ = kd3d9::HostPitch(width_, format_->bytesPerPixel);
    const size_t bytes = static_cast<size_t>(pitch_) * height_;
    host_.reset(new (std::nothrow) unsigned char[bytes]());
    return host_ ? D3D_OK : E_OUTOFMEMORY;
}

HRESULT Texture::InitDeviceMemory() {
    if (!device_->MakeCurrent()) return E_FAIL;
    ClearGlErrors();
    texture_ = GenTexture();
    const GLuint passTexture = device_->BoundTexture(0);
    device_->BindTexture(0, texture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, format_->swizzle);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format_->internalFormat),
                 static_cast<GLsizei>(width_), static_cast<GLsizei>(height_), 0,
                 format_->pixelFormat, format_->pixelType, nullptr);
    device_->BindTexture(0, passTexture);
    GLenum error = glGetError();
    if (error == GL_OUT_OF_MEMORY) return D3DERR_OUTOFVIDEOMEMORY;
    if (error != GL_NO_ERROR) return E_FAIL;
    if ((usage_ & D3DUSAGE_RENDERTARGET) != 0) {
        framebuffer_ = GenFramebuffer();
        device_->BindDrawFramebuffer(framebuffer_);
        glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture_, 0);
        const GLenum status = glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER);
        error = glGetError();
        if (error == GL_OUT_OF_MEMORY) return D3DERR_OUTOFVIDEOMEMORY;
        if (status != GL_FRAMEBUFFER_COMPLETE || error != GL_NO_ERROR) return D3DERR_NOTAVAILABLE;
    }
    return D3D_OK;
}

Texture::~Texture() {
    if (texture_ != 0 || framebuffer_ != 0) {
        device_->MakeCurrent();
        device_->ForgetTexture(texture_);
        if (framebuffer_ != 0) {
            device_->BindDrawFramebuffer(0);
            DeleteFramebuffer(framebuffer_);
        }
        DeleteTexture(texture_);
    }
}

HRESULT Texture::QueryInterface(REFIID, void** ppvObject) {
    if (ppvObject) *ppvObject = nullptr;
    return E_NOINTERFACE;
}

ULONG Texture::AddRef() {
    if (publicRefs_++ == 0) device_->AddRef();
    return publicRefs_;
}

ULONG Texture::Release() {
    if (publicRefs_ == 0) return 0;
    const ULONG left = --publicRefs_;
    if (left == 0) {
        Device* device = device_;
        if (privateRefs_ == 0) delete this;
        // The device goes last: deleting a texture needs its context.
        device->Release();
    }
    return left;
}

void Texture::ReleasePrivate() {
    if (privateRefs_ == 0) return;
    if (--privateRefs_ == 0 && publicRefs_ == 0) delete this;
}

HRESULT Texture::GetDevice(IDirect3DDevice9** ppDevice) {
    if (ppDevice == nullptr) return D3DERR_INVALIDCALL;
    device_->AddRef();
    *ppDevice = device_;
    return D3D_OK;
}

D3DRESOURCETYPE Texture::GetType() { return D3DRTYPE_TEXTURE; }

DWORD Texture::GetLevelCount() { return 1; }

void Texture::Describe(D3DSURFACE_DESC* desc) const {
    desc->Format = format_->format;
    desc->Type = D3DRTYPE_SURFACE;
    desc->Usage = usage_;
    desc->Pool = pool_;
    desc->MultiSampleType = D3DMULTISAMPLE_NONE;
    desc->MultiSampleQuality = 0;
    desc->Width = width_;
    desc->Height = height_;
}

HRESULT Texture::GetLevelDesc(UINT Level, D3DSURFACE_DESC* pDesc) {
    if (Level != 0 || pDesc == nullptr) return D3DERR_INVALIDCALL;
    Describe(pDesc);
    return D3D_OK;
}

HRESULT Texture::GetSurfaceLevel(UINT Level, IDirect3DSurface9** ppSurfaceLevel) {
    if (ppSurfaceLevel == nullptr) return D3DERR_INVALIDCALL;
    *ppSurfaceLevel = nullptr;
    if (Level != 0) return D3DERR_INVALIDCALL;
    surface_.AddRef();
    *ppSurfaceLevel = &surface_;
    return D3D_OK;
}

HRESULT Texture::LockRect(UINT Level, D3DLOCKED_RECT* pLockedRect, const RECT* pRect, DWORD) {
    if (pLockedRect == nullptr) return D3DERR_INVALIDCALL;
    pLockedRect->pBits = nullptr;
    pLockedRect->Pitch = 0;
    // Device memory is not mapped: only host textures lock.
    if (Level != 0 || !host_ || locked_) return D3DERR_INVALIDCALL;
    size_t offset = 0;
    if (pRect != nullptr) {
        if (pRect->left < 0 || pRect->top < 0 || pRect->left >= pRect->right ||
            pRect->top >= pRect->bottom || static_cast<UINT>(pRect->right) > width_ ||
            static_cast<UINT>(pRect->bottom) > height_)
            return D3DERR_INVALIDCALL;
        offset = static_cast<size_t>(pRect->top) * pitch_ +
                 static_cast<size_t>(pRect->left) * format_->bytesPerPixel;
    }
    locked_ = true;
    pLockedRect->pBits = host_.get() + offset;
    pLockedRect->Pitch = static_cast<INT>(pitch_);
    return D3D_OK;
}

HRESULT Texture::UnlockRect(UINT Level) {
    if (Level != 0 || !locked_) return D3DERR_INVALIDCALL;
    locked_ = false;
    return D3D_OK;
}

}  // namespace kd3d9
