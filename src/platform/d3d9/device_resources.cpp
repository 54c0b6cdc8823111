// Texture creation and the whole-level copies between host and device memory.
#include "device.h"
#include "gl_objects.h"
#include "texture.h"

namespace kd3d9 {

namespace {

bool SameShape(const Texture& a, const Texture& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() && a.Format() == b.Format();
}

bool IsHostPool(D3DPOOL pool) { return pool == D3DPOOL_SYSTEMMEM || pool == D3DPOOL_SCRATCH; }

}  // namespace

HRESULT Device::CreateTexture(UINT Width, UINT Height, UINT Levels, DWORD Usage, D3DFORMAT Format,
                              D3DPOOL Pool, IDirect3DTexture9** ppTexture, HANDLE* pSharedHandle) {
    if (ppTexture == nullptr) return D3DERR_INVALIDCALL;
    *ppTexture = nullptr;
    // One level only; 0 asks for a full chain, which is that one level here.
    if (Levels > 1 || pSharedHandle != nullptr) return D3DERR_INVALIDCALL;
    Texture* texture = nullptr;
    const HRESULT hr = Texture::Create(this, Width, Height, Usage, Format, Pool, false, &texture);
    if (SUCCEEDED(hr)) *ppTexture = texture;
    return hr;
}

// SYSTEMMEM -> DEFAULT, same size and format: the whole level, locked or not.
HRESULT Device::UpdateTexture(IDirect3DBaseTexture9* pSourceTexture,
                              IDirect3DBaseTexture9* pDestinationTexture) {
    Texture* src = AsTexture(pSourceTexture);
    Texture* dst = AsTexture(pDestinationTexture);
    if (src == nullptr || dst == nullptr || src->OwningDevice() != this ||
        dst->OwningDevice() != this)
        return D3DERR_INVALIDCALL;
    if (!IsHostPool(src->Pool()) || src->Pool() == D3DPOOL_SCRATCH ||
        dst->Pool() != D3DPOOL_DEFAULT || !SameShape(*src, *dst))
        return D3DERR_INVALIDCALL;
    if (!MakeCurrent()) return D3DERR_DEVICELOST;
    const FormatInfo& f = src->FormatDesc();
    ClearGlErrors();
    // Unit 0 may carry a pass's texture: it gets it back after the upload.
    const GLuint passTexture = BoundTexture(0);
    BindTexture(0, dst->GlTexture());
    glPixelStorei(GL_UNPACK_ROW_LENGTH, static_cast<GLint>(src->HostPitch() / f.bytesPerPixel));
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, static_cast<GLsizei>(src->Width()),
                    static_cast<GLsizei>(src->Height()), f.pixelFormat, f.pixelType,
                    src->HostRows());
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    BindTexture(0, passTexture);
    const GLenum error = glGetError();
    if (error == GL_OUT_OF_MEMORY) return D3DERR_OUTOFVIDEOMEMORY;
    return error == GL_NO_ERROR ? D3D_OK : E_FAIL;
}

// Render target -> SYSTEMMEM surface of the same size and format.
HRESULT Device::GetRenderTargetData(IDirect3DSurface9* pRenderTarget,
                                    IDirect3DSurface9* pDestSurface) {
    Surface* srcSurface = AsSurface(pRenderTarget);
    Surface* dstSurface = AsSurface(pDestSurface);
    if (srcSurface == nullptr || dstSurface == nullptr) return D3DERR_INVALIDCALL;
    Texture* src = srcSurface->Container();
    Texture* dst = dstSurface->Container();
    if (src->OwningDevice() != this || dst->OwningDevice() != this || !src->IsRenderTarget() ||
        dst->Pool() != D3DPOOL_SYSTEMMEM || !SameShape(*src, *dst))
        return D3DERR_INVALIDCALL;
    if (!MakeCurrent()) return D3DERR_DEVICELOST;
    const FormatInfo& f = dst->FormatDesc();
    ClearGlErrors();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, src->GlFramebuffer());
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glPixelStorei(GL_PACK_ROW_LENGTH, static_cast<GLint>(dst->HostPitch() / f.bytesPerPixel));
    glReadPixels(0, 0, static_cast<GLsizei>(src->Width()), static_cast<GLsizei>(src->Height()),
                 f.pixelFormat, f.pixelType, dst->HostRows());
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    const GLenum error = glGetError();
    if (error == GL_OUT_OF_MEMORY) return D3DERR_OUTOFVIDEOMEMORY;
    return error == GL_NO_ERROR ? D3D_OK : E_FAIL;
}

}  // namespace kd3d9
