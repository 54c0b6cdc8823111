#pragma once
// IDirect3DDevice9 over one GL context: render targets, scenes, clears,
// render states and draws of pre-transformed vertices with the current effect
// pass. The GL binding caches here keep redundant GL calls out of the passes.
#include <epoxy/gl.h>

#include <vector>

#include "d3d9.h"
#include "direct3d9.h"

namespace kd3d9 {

class Texture;
class Surface;

constexpr int kTextureUnits = 16;
constexpr int kRenderStateCount = 256;
constexpr UINT kMaxPrimitiveCount = 0xFFFFF;  // reported in the caps

class Device final : public IDirect3DDevice9 {
public:
    static HRESULT Create(Direct3D9* parent, UINT width, UINT height, D3DFORMAT backBufferFormat,
                          Device** out);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetDirect3D(IDirect3D9** ppD3D9) override;
    HRESULT STDMETHODCALLTYPE Present(const RECT* pSourceRect, const RECT* pDestRect,
                                      HWND hDestWindowOverride, const RGNDATA* pDirtyRegion) override;
    HRESULT STDMETHODCALLTYPE CreateTexture(UINT Width, UINT Height, UINT Levels, DWORD Usage,
                                            D3DFORMAT Format, D3DPOOL Pool,
                                            IDirect3DTexture9** ppTexture,
                                            HANDLE* pSharedHandle) override;
    HRESULT STDMETHODCALLTYPE UpdateTexture(IDirect3DBaseTexture9* pSourceTexture,
                                            IDirect3DBaseTexture9* pDestinationTexture) override;
    HRESULT STDMETHODCALLTYPE GetRenderTargetData(IDirect3DSurface9* pRenderTarget,
                                                  IDirect3DSurface9* pDestSurface) override;
    HRESULT STDMETHODCALLTYPE SetRenderTarget(DWORD RenderTargetIndex,
                                              IDirect3DSurface9* pRenderTarget) override;
    HRESULT STDMETHODCALLTYPE GetRenderTarget(DWORD RenderTargetIndex,
                                              IDirect3DSurface9** ppRenderTarget) override;
    HRESULT STDMETHODCALLTYPE BeginScene() override;
    HRESULT STDMETHODCALLTYPE EndScene() override;
    HRESULT STDMETHODCALLTYPE Clear(DWORD Count, const D3DRECT* pRects, DWORD Flags, D3DCOLOR Color,
                                    float Z, DWORD Stencil) override;
    HRESULT STDMETHODCALLTYPE SetRenderState(D3DRENDERSTATETYPE State, DWORD Value) override;
    HRESULT STDMETHODCALLTYPE GetRenderState(D3DRENDERSTATETYPE State, DWORD* pValue) override;
    HRESULT STDMETHODCALLTYPE DrawPrimitiveUP(D3DPRIMITIVETYPE PrimitiveType, UINT PrimitiveCount,
                                              const void* pVertexStreamZeroData,
                                              UINT VertexStreamZeroStride) override;
    HRESULT STDMETHODCALLTYPE SetFVF(DWORD FVF) override;

    // For the objects of this device.
    const AdapterInfo& Adapter() const { return parent_->Adapter(); }
    bool MakeCurrent();
    GLuint FixedVertexShader() const { return vertexShader_; }
    void UseProgram(GLuint program);
    void BindTexture(int unit, GLuint texture);
    GLuint BoundTexture(int unit) const { return boundTextures_[unit]; }
    void BindSampler(int unit, GLuint sampler);
    void BindDrawFramebuffer(GLuint framebuffer);
    void ForgetTexture(GLuint texture);
    void ForgetProgram(GLuint program);
    void ForgetSampler(GLuint sampler);
    // The program that draws run; 0 outside an effect pass.
    void SetPassProgram(GLuint program) { passProgram_ = program; }
    GLuint PassProgram() const { return passProgram_; }
    DWORD RenderState(int state) const { return renderStates_[state]; }

private:
    explicit Device(Direct3D9* parent);
    ~Device() override;
    HRESULT Init(UINT width, UINT height, D3DFORMAT backBufferFormat);
    void ApplyRenderStates();
    void SetTarget(Texture* target);
    void BindVertices();

    Direct3D9* parent_;
    ULONG refs_ = 1;
    EGLContext context_ = EGL_NO_CONTEXT;
    GLuint vertexShader_ = 0;
    // The passes redraw the same few vertex sets (one per target size): each
    // stays in a buffer of its own, so a redraw uploads nothing.
    struct VertexSlot {
        std::vector<float> vertices;
        GLuint buffer = 0;
        GLuint vertexArray = 0;
        unsigned long lastUse = 0;
    };
    static constexpr int kVertexSlots = 4;
    VertexSlot vertexSlots_[kVertexSlots];
    unsigned long drawCounter_ = 0;
    std::vector<float> mappedVertices_;
    GLuint boundVertexArray_ = 0;

    Texture* backBuffer_ = nullptr;  // owned: one private reference
    Texture* target_ = nullptr;      // render target 0: one private reference

    DWORD fvf_ = 0;
    bool inScene_ = false;
    DWORD renderStates_[kRenderStateCount] = {};
    bool statesDirty_ = true;

    GLuint passProgram_ = 0;
    GLuint boundProgram_ = 0;
    GLuint boundFramebuffer_ = 0;
    int activeUnit_ = 0;
    GLuint boundTextures_[kTextureUnits] = {};
    GLuint boundSamplers_[kTextureUnits] = {};
};

// The stand-in's object behind an interface pointer of this process, or null.
Device* AsDevice(IDirect3DDevice9* device);

}  // namespace kd3d9
