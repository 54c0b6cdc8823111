#include "device.h"

#include <new>

#include "gl_objects.h"
#include "texture.h"

namespace kd3d9 {

namespace {

// Render states as a new device has them; culling is off, since every draw
// of the program is a screen-aligned primitive.
void DefaultRenderStates(DWORD* states) {
    states[D3DRS_ZENABLE] = FALSE;  // no depth buffer
    states[D3DRS_FILLMODE] = 3;     // D3DFILL_SOLID
    states[D3DRS_SHADEMODE] = 2;    // D3DSHADE_GOURAUD
    states[D3DRS_ZWRITEENABLE] = TRUE;
    states[D3DRS_SRCBLEND] = D3DBLEND_ONE;
    states[D3DRS_DESTBLEND] = D3DBLEND_ZERO;
    states[D3DRS_CULLMODE] = D3DCULL_NONE;
    states[D3DRS_ZFUNC] = 4;  // D3DCMP_LESSEQUAL
    states[D3DRS_ALPHAFUNC] = 8;  // D3DCMP_ALWAYS
    states[D3DRS_LIGHTING] = TRUE;
    states[D3DRS_MULTISAMPLEANTIALIAS] = TRUE;
    states[D3DRS_COLORWRITEENABLE] = 0xF;
    states[D3DRS_BLENDOP] = D3DBLENDOP_ADD;
}

}  // namespace

Device* AsDevice(IDirect3DDevice9* device) { return dynamic_cast<Device*>(device); }

Device::Device(Direct3D9* parent) : parent_(parent) {
    parent_->AddRef();
    DefaultRenderStates(renderStates_);
}

HRESULT Device::Create(Direct3D9* parent, UINT width, UINT height, D3DFORMAT backBufferFormat,
                       Device** out) {
    *out = nullptr;
    Device* device = new (std::nothrow) Device(parent);
    if (device == nullptr) return E_OUTOFMEMORY;
    const HRESULT hr = device->Init(width, height, backBufferFormat);
    if (FAILED(hr)) {
        device->Release();
        return hr;
    }
    *out = device;
    return D3D_OK;
}

HRESULT Device::Init(UINT width, UINT height, D3DFORMAT backBufferFormat) {
    const EGLDisplay display = Adapter().display;
    context_ = CreateGlContext(display);
    if (context_ == EGL_NO_CONTEXT) return D3DERR_NOTAVAILABLE;
    if (!MakeCurrent()) return D3DERR_NOTAVAILABLE;

    static const char* const kVertexShader =
        "#version 330 core\n"
        "layout(location = 0) in vec4 kd_Position;\n"
        "layout(location = 1) in vec2 kd_TexCoord;\n"
        "out vec4 kd_TEXCOORD0;\n out vec4 kd_TEXCOORD1;\n out vec4 kd_TEXCOORD2;\n"
        "out vec4 kd_TEXCOORD3;\n out vec4 kd_TEXCOORD4;\n out vec4 kd_TEXCOORD5;\n"
        "out vec4 kd_TEXCOORD6;\n out vec4 kd_TEXCOORD7;\n"
        "out vec4 kd_COLOR0;\n out vec4 kd_COLOR1;\n"
        "void main() {\n"
        "  gl_Position = kd_Position;\n"
        "  kd_TEXCOORD0 = vec4(kd_TexCoord, 0.0, 1.0);\n"
        "  kd_TEXCOORD1 = vec4(0.0, 0.0, 0.0, 1.0);\n  kd_TEXCOORD2 = vec4(0.0, 0.0, 0.0, 1.0);\n"
        "  kd_TEXCOORD3 = vec4(0.0, 0.0, 0.0, 1.0);\n  kd_TEXCOORD4 = vec4(0.0, 0.0, 0.0, 1.0);\n"
        "  kd_TEXCOORD5 = vec4(0.0, 0.0, 0.0, 1.0);\n  kd_TEXCOORD6 = vec4(0.0, 0.0, 0.0, 1.0);\n"
        "  kd_TEXCOORD7 = vec4(0.0, 0.0, 0.0, 1.0);\n"
        "  kd_COLOR0 = vec4(1.0);\n"
        "  kd_COLOR1 = vec4(0.0);\n"
        "}\n";
    vertexShader_ = CreateShader(GL_VERTEX_SHADER);
    glShaderSource(vertexShader_, 1, &kVertexShader, nullptr);
    glCompileShader(vertexShader_);
    GLint compiled = GL_FALSE;
    glGetShaderiv(vertexShader_, GL_COMPILE_STATUS, &compiled);
    if (!compiled) return E_FAIL;

    for (VertexSlot& slot : vertexSlots_) {
        slot.vertexArray = GenVertexArray();
        slot.buffer = GenBuffer();
        glBindVertexArray(slot.vertexArray);
        glBindBuffer(GL_ARRAY_BUFFER, slot.buffer);
        glEnableVertexAttribArray(0);
        glEnableVertexAttribArray(1);
        const GLsizei stride = static_cast<GLsizei>(6 * sizeof(float));
        glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, stride, nullptr);
        glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride,
                              reinterpret_cast<const void*>(4 * sizeof(float)));
    }
    boundVertexArray_ = vertexSlots_[kVertexSlots - 1].vertexArray;
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_DITHER);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);

    HRESULT hr = Texture::Create(this, width, height, D3DUSAGE_RENDERTARGET, backBufferFormat,
                                 D3DPOOL_DEFAULT, true, &backBuffer_);
    if (FAILED(hr)) return hr;
    SetTarget(backBuffer_);
    return D3D_OK;
}

Device::~Device() {
    if (context_ != EGL_NO_CONTEXT) {
        if (MakeCurrent()) {
            SetTarget(nullptr);
            if (backBuffer_ != nullptr) backBuffer_->ReleasePrivate();
            for (VertexSlot& slot : vertexSlots_) {
                DeleteBuffer(slot.buffer);
                DeleteVertexArray(slot.vertexArray);
            }
            DeleteShader(vertexShader_);
        }
        DestroyGlContext(Adapter().display, context_);  // frees whatever is left with it
    }
    parent_->Release();
}

bool Device::MakeCurrent() { return MakeContextCurrent(Adapter().display, context_); }

HRESULT Device::QueryInterface(REFIID, void** ppvObject) {
    if (ppvObject) *ppvObject = nullptr;
    return E_NOINTERFACE;
}

ULONG Device::AddRef() { return ++refs_; }

ULONG Device::Release() {
    if (refs_ == 0) return 0;
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

HRESULT Device::GetDirect3D(IDirect3D9** ppD3D9) {
    if (ppD3D9 == nullptr) return D3DERR_INVALIDCALL;
    parent_->AddRef();
    *ppD3D9 = parent_;
    return D3D_OK;
}

// Nothing is shown; Present returns once every command issued before it has
// completed, so that a timed interval ending here covers the GPU work.
HRESULT Device::Present(const RECT*, const RECT*, HWND, const RGNDATA*) {
    if (!MakeCurrent()) return D3DERR_DEVICELOST;
    glFinish();
    return D3D_OK;
}

HRESULT Device::BeginScene() {
    if (inScene_) return D3DERR_INVALIDCALL;
    inScene_ = true;
    return D3D_OK;
}

HRESULT Device::EndScene() {
    if (!inScene_) return D3DERR_INVALIDCALL;
    inScene_ = false;
    if (MakeCurrent()) glFlush();
    return D3D_OK;
}

void Device::SetTarget(Texture* target) {
    if (target == target_) return;
    if (target != nullptr) target->AddRefPrivate();
    Texture* old = target_;
    target_ = target;
    if (target != nullptr) {
        BindDrawFramebuffer(target->GlFramebuffer());
        // Direct3D resets the viewport to the whole of a new target.
        glViewport(0, 0, static_cast<GLsizei>(target->Width()),
                   static_cast<GLsizei>(target->Height()));
    }
    if (old != nullptr) old->ReleasePrivate();
}

HRESULT Device::SetRenderTarget(DWORD RenderTargetIndex, IDirect3DSurface9* pRenderTarget) {
    if (RenderTargetIndex != 0)  // one simultaneous target
        return pRenderTarget == nullptr && RenderTargetIndex < 4 ? D3D_OK : D3DERR_INVALIDCALL;
    Surface* surface = AsSurface(pRenderTarget);
    if (surface == nullptr) return D3DERR_INVALIDCALL;
    Texture* texture = surface->Container();
    if (texture->OwningDevice() != this || !texture->IsRenderTarget()) return D3DERR_INVALIDCALL;
    if (!MakeCurrent()) return D3DERR_DEVICELOST;
    SetTarget(texture);
    return D3D_OK;
}

HRESULT Device::GetRenderTarget(DWORD RenderTargetIndex, IDirect3DSurface9** ppRenderTarget) {
    if (ppRenderTarget == nullptr) return D3DERR_INVALIDCALL;
    *ppRenderTarget = nullptr;
    if (RenderTargetIndex >= 4) return D3DERR_INVALIDCALL;
    if (RenderTargetIndex != 0 || target_ == nullptr) return D3DERR_NOTFOUND;
    return target_->GetSurfaceLevel(0, ppRenderTarget);
}

HRESULT Device::Clear(DWORD Count, const D3DRECT* pRects, DWORD Flags, D3DCOLOR Color, float,
                      DWORD) {
    if (Count != 0 && pRects == nullptr) return D3DERR_INVALIDCALL;
    // There is no depth or stencil buffer to clear.
    if ((Flags & (D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL)) != 0) return D3DERR_INVALIDCALL;
    if ((Flags & D3DCLEAR_TARGET) == 0 || target_ == nullptr) return D3D_OK;
    if (!MakeCurrent()) return D3DERR_DEVICELOST;
    BindDrawFramebuffer(target_->GlFramebuffer());
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    statesDirty_ = true;  // the colour mask of the render states comes back at the next draw
    glClearColor(((Color >> 16) & 0xFF) / 255.0f, ((Color >> 8) & 0xFF) / 255.0f,
                 (Color & 0xFF) / 255.0f, ((Color >> 24) & 0xFF) / 255.0f);
    if (Count == 0) {
        glClear(GL_COLOR_BUFFER_BIT);
        return D3D_OK;
    }
    const LONG w = static_cast<LONG>(target_->Width());
    const LONG h = static_cast<LONG>(target_->Height());
    glEnable(GL_SCISSOR_TEST);
    for (DWORD i = 0; i < Count; ++i) {
        // Screen rows are GL window rows: no flip.
        const LONG x1 = pRects[i].x1 < 0 ? 0 : pRects[i].x1;
        const LONG y1 = pRects[i].y1 < 0 ? 0 : pRects[i].y1;
        const LONG x2 = pRects[i].x2 > w ? w : pRects[i].x2;
        const LONG y2 = pRects[i].y2 > h ? h : pRects[i].y2;
        if (x1 >= x2 || y1 >= y2) continue;
        glScissor(x1, y1, x2 - x1, y2 - y1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
    return D3D_OK;
}

HRESULT Device::SetRenderState(D3DRENDERSTATETYPE State, DWORD Value) {
    if (State < 0 || State >= kRenderStateCount) return D3DERR_INVALIDCALL;
    if (renderStates_[State] != Value) {
        renderStates_[State] = Value;
        statesDirty_ = true;
    }
    return D3D_OK;
}

HRESULT Device::GetRenderState(D3DRENDERSTATETYPE State, DWORD* pValue) {
    if (pValue == nullptr || State < 0 || State >= kRenderStateCount) return D3DERR_INVALIDCALL;
    *pValue = renderStates_[State];
    return D3D_OK;
}

void Device::UseProgram(GLuint program) {
    if (boundProgram_ == program) return;
    glUseProgram(program);
    boundProgram_ = program;
}

void Device::BindTexture(int unit, GLuint texture) {
    if (unit != activeUnit_) {
        glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
        activeUnit_ = unit;
    }
    if (boundTextures_[unit] == texture) return;
    glBindTexture(GL_TEXTURE_2D, texture);
    boundTextures_[unit] = texture;
}

void Device::BindSampler(int unit, GLuint sampler) {
    if (boundSamplers_[unit] == sampler) return;
    glBindSampler(static_cast<GLuint>(unit), sampler);
    boundSamplers_[unit] = sampler;
}

void Device::BindDrawFramebuffer(GLuint framebuffer) {
    if (boundFramebuffer_ == framebuffer) return;
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    boundFramebuffer_ = framebuffer;
}

// GL reuses freed names: a cache entry for a freed object must not survive.
void Device::ForgetTexture(GLuint texture) {
    for (GLuint& t : boundTextures_)
        if (t == texture) t = 0;
}

void Device::ForgetProgram(GLuint program) {
    if (boundProgram_ == program) {
        glUseProgram(0);
        boundProgram_ = 0;
    }
    if (passProgram_ == program) passProgram_ = 0;
}

void Device::ForgetSampler(GLuint sampler) {
    for (int unit = 0; unit < kTextureUnits; ++unit)
        if (boundSamplers_[unit] == sampler) boundSamplers_[unit] = 0;
}

}  // namespace kd3d9
