// Draws of pre-transformed vertices with the current effect pass.
#include <cstring>
#include <new>

#include "device.h"
#include "texture.h"
#include "vertex_mapping.h"

namespace kd3d9 {

namespace {

constexpr DWORD kFvfTex1 = D3DFVF_XYZRHW | D3DFVF_TEX1;
constexpr DWORD kFvfTex0 = D3DFVF_XYZRHW;

GLenum GlBlend(DWORD blend) {
    switch (blend) {
    case D3DBLEND_ZERO: return GL_ZERO;
    case D3DBLEND_ONE: return GL_ONE;
    case D3DBLEND_SRCCOLOR: return GL_SRC_COLOR;
    case D3DBLEND_INVSRCCOLOR: return GL_ONE_MINUS_SRC_COLOR;
    case D3DBLEND_SRCALPHA: return GL_SRC_ALPHA;
    case D3DBLEND_INVSRCALPHA: return GL_ONE_MINUS_SRC_ALPHA;
    case D3DBLEND_DESTALPHA: return GL_DST_ALPHA;
    case D3DBLEND_INVDESTALPHA: return GL_ONE_MINUS_DST_ALPHA;
    case D3DBLEND_DESTCOLOR: return GL_DST_COLOR;
    case D3DBLEND_INVDESTCOLOR: return GL_ONE_MINUS_DST_COLOR;
    default: return GL_ONE;
    }
}

GLenum GlBlendOp(DWORD op) {
    switch (op) {
    case D3DBLENDOP_SUBTRACT: return GL_FUNC_SUBTRACT;
    case D3DBLENDOP_REVSUBTRACT: return GL_FUNC_REVERSE_SUBTRACT;
    case D3DBLENDOP_MIN: return GL_MIN;
    case D3DBLENDOP_MAX: return GL_MAX;
    default: return GL_FUNC_ADD;
    }
}

// Vertices a primitive count takes, or 0 for a type the stand-in does not draw.
size_t VertexCount(D3DPRIMITIVETYPE type, UINT primitives, GLenum& mode) {
    switch (type) {
    case D3DPT_TRIANGLELIST: mode = GL_TRIANGLES; return 3 * static_cast<size_t>(primitives);
    case D3DPT_TRIANGLESTRIP: mode = GL_TRIANGLE_STRIP; return static_cast<size_t>(primitives) + 2;
    case D3DPT_TRIANGLEFAN: mode = GL_TRIANGLE_FAN; return static_cast<size_t>(primitives) + 2;
    default: return 0;
    }
}

}  // namespace

HRESULT Device::SetFVF(DWORD FVF) {
    fvf_ = FVF;
    return D3D_OK;
}

// Applies the render states that matter to a screen-aligned draw; the others
// are kept and reported back but change nothing.
void Device::ApplyRenderStates() {
    statesDirty_ = false;
    // The mapping keeps Direct3D's screen axes, so a triangle Direct3D sees
    // clockwise is counter-clockwise (front) for GL.
    switch (renderStates_[D3DRS_CULLMODE]) {
    case D3DCULL_CW:
        glEnable(GL_CULL_FACE);
        glCullFace(GL_FRONT);
        break;
    case D3DCULL_CCW:
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        break;
    default:
        glDisable(GL_CULL_FACE);
        break;
    }
    glFrontFace(GL_CCW);
    if (renderStates_[D3DRS_ALPHABLENDENABLE]) {
        glEnable(GL_BLEND);
        glBlendFunc(GlBlend(renderStates_[D3DRS_SRCBLEND]), GlBlend(renderStates_[D3DRS_DESTBLEND]));
        glBlendEquation(GlBlendOp(renderStates_[D3DRS_BLENDOP]));
    } else {
        glDisable(GL_BLEND);
    }
    const DWORD mask = renderStates_[D3DRS_COLORWRITEENABLE];
    glColorMask((mask & D3DCOLORWRITEENABLE_RED) != 0, (mask & D3DCOLORWRITEENABLE_GREEN) != 0,
                (mask & D3DCOLORWRITEENABLE_BLUE) != 0, (mask & D3DCOLORWRITEENABLE_ALPHA) != 0);
}

// Binds a vertex array whose buffer holds mappedVertices_, uploading them only
// when no slot holds them yet. A slot is refilled with fresh storage
// (glBufferData), so a draw still in flight never waits for the upload.
void Device::BindVertices() {
    ++drawCounter_;
    VertexSlot* slot = nullptr;
    for (VertexSlot& s : vertexSlots_)
        if (s.vertices == mappedVertices_) slot = &s;
    if (slot == nullptr) {
        slot = &vertexSlots_[0];
        for (VertexSlot& s : vertexSlots_)
            if (s.lastUse < slot->lastUse) slot = &s;
        // The copy may run out of memory: it goes first, so a slot never
        // claims vertices its buffer does not hold.
        slot->vertices.clear();
        slot->vertices = mappedVertices_;
        glBindBuffer(GL_ARRAY_BUFFER, slot->buffer);
        glBufferData(GL_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>(mappedVertices_.size() * sizeof(float)),
                     mappedVertices_.data(), GL_STREAM_DRAW);
    }
    slot->lastUse = drawCounter_;
    if (boundVertexArray_ != slot->vertexArray) {
        glBindVertexArray(slot->vertexArray);
        boundVertexArray_ = slot->vertexArray;
    }
}

HRESULT Device::DrawPrimitiveUP(D3DPRIMITIVETYPE PrimitiveType, UINT PrimitiveCount,
                                const void* pVertexStreamZeroData, UINT VertexStreamZeroStride) {
    if (!inScene_ || passProgram_ == 0 || target_ == nullptr || pVertexStreamZeroData == nullptr)
        return D3DERR_INVALIDCALL;
    if (fvf_ != kFvfTex1 && fvf_ != kFvfTex0) return D3DERR_INVALIDCALL;
    const bool hasTexCoord = fvf_ == kFvfTex1;
    if (VertexStreamZeroStride < (hasTexCoord ? 6u : 4u) * sizeof(float)) return D3DERR_INVALIDCALL;
    if (PrimitiveCount > kMaxPrimitiveCount) return D3DERR_INVALIDCALL;
    GLenum mode = GL_TRIANGLES;
    const size_t count = VertexCount(PrimitiveType, PrimitiveCount, mode);
    if (count == 0) return D3DERR_INVALIDCALL;
    if (PrimitiveCount == 0) return D3D_OK;
    if (!MakeCurrent()) return D3DERR_DEVICELOST;

    try {
        mappedVertices_.resize(count * kMappedVertexFloats);
        MapPretransformedVertices(pVertexStreamZeroData, count, VertexStreamZeroStride, hasTexCoord,
                                  static_cast<float>(target_->Width()),
                                  static_cast<float>(target_->Height()), mappedVertices_.data());
        BindVertices();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    BindDrawFramebuffer(target_->GlFramebuffer());
    UseProgram(passProgram_);
    if (statesDirty_) ApplyRenderStates();
    glDrawArrays(mode, 0, static_cast<GLsizei>(count));
    return D3D_OK;
}

}  // namespace kd3d9
