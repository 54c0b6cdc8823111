#include "d3dx_effect.h"

#include <cstring>
#include <new>

#include "d3dx_internal.h"
#include "gl_objects.h"
#include "texture.h"

namespace kd3d9 {

Effect::Effect(Device* device) : device_(device) { device_->AddRef(); }

HRESULT Effect::Create(Device* device, const hlsl::Effect& desc, const std::string& fileName,
                       std::string& errors, Effect** out) {
    *out = nullptr;
    if (!device->MakeCurrent()) return D3DERR_DEVICELOST;
    Effect* effect = new (std::nothrow) Effect(device);
    if (effect == nullptr) return E_OUTOFMEMORY;
    bool built = false;
    try {
        built = effect->Build(desc, fileName, errors);
    } catch (const std::bad_alloc&) {
        effect->Release();
        return E_OUTOFMEMORY;
    }
    if (!built) {
        effect->Release();
        return E_FAIL;
    }
    *out = effect;
    return D3D_OK;
}

HRESULT CreateEffectFromDescription(IDirect3DDevice9* device, const hlsl::Effect& effect,
                                    const std::string& fileName, ID3DXEffect** ppEffect,
                                    std::string* errors) {
    if (ppEffect == nullptr) return D3DERR_INVALIDCALL;
    *ppEffect = nullptr;
    Device* dev = AsDevice(device);
    if (dev == nullptr) return D3DERR_INVALIDCALL;
    std::string text;
    Effect* created = nullptr;
    const HRESULT hr = Effect::Create(dev, effect, fileName, text, &created);
    if (errors != nullptr) {
        try {
            *errors += text;
        } catch (const std::bad_alloc&) {
        }
    }
    *ppEffect = created;
    return hr;
}

Effect::~Effect() {
    if (begun_) End();
    for (Parameter& p : parameters_)
        if (p.texture != nullptr) p.texture->Release();
    if (device_->MakeCurrent()) {
        for (Sampler& s : samplers_) {
            device_->ForgetSampler(s.object);
            DeleteSampler(s.object);
        }
        for (Technique& t : techniques_)
            for (Pass& p : t.passes) {
                device_->ForgetProgram(p.program);
                DeleteProgram(p.program);
            }
    }
}

HRESULT Effect::QueryInterface(REFIID, void** ppvObject) {
    if (ppvObject) *ppvObject = nullptr;
    return E_NOINTERFACE;
}

ULONG Effect::AddRef() { return ++refs_; }

ULONG Effect::Release() {
    if (refs_ == 0) return 0;
    const ULONG left = --refs_;
    if (left == 0) {
        Device* device = device_;
        delete this;
        device->Release();  // last: the effect's GL objects need its context
    }
    return left;
}

HRESULT Effect::GetDevice(LPDIRECT3DDEVICE9* ppDevice) {
    if (ppDevice == nullptr) return D3DERR_INVALIDCALL;
    device_->AddRef();
    *ppDevice = device_;
    return D3D_OK;
}

int Effect::FindParameter(D3DXHANDLE handle) const {
    if (handle == nullptr) return -1;
    for (size_t i = 0; i < parameters_.size(); ++i)
        if (handle == parameters_[i].desc.name.c_str()) return static_cast<int>(i);
    for (const Technique& t : techniques_)
        if (handle == t.name.c_str()) return -1;  // a technique's handle
    for (size_t i = 0; i < parameters_.size(); ++i)
        if (parameters_[i].desc.name == handle) return static_cast<int>(i);
    return -1;
}

int Effect::FindTechnique(D3DXHANDLE handle) const {
    if (handle == nullptr) return -1;
    for (size_t i = 0; i < techniques_.size(); ++i)
        if (handle == techniques_[i].name.c_str()) return static_cast<int>(i);
    for (const Parameter& p : parameters_)
        if (handle == p.desc.name.c_str()) return -1;  // a parameter's handle
    for (size_t i = 0; i < techniques_.size(); ++i)
        if (techniques_[i].name == handle) return static_cast<int>(i);
    return -1;
}

D3DXHANDLE Effect::GetParameterByName(D3DXHANDLE hParameter, LPCSTR pName) {
    // Only top-level parameters: there are no structure members to look into.
    if (hParameter != nullptr || pName == nullptr) return nullptr;
    for (const Parameter& p : parameters_)
        if (p.desc.name == pName) return p.desc.name.c_str();
    return nullptr;
}

D3DXHANDLE Effect::GetTechniqueByName(LPCSTR pName) {
    if (pName == nullptr) return nullptr;
    for (const Technique& t : techniques_)
        if (t.name == pName) return t.name.c_str();
    return nullptr;
}

bool Effect::IsNumeric(const Parameter& p) const {
    return p.desc.type == hlsl::ParameterType::Float || p.desc.type == hlsl::ParameterType::Int ||
           p.desc.type == hlsl::ParameterType::Bool;
}

HRESULT Effect::SetFloat(D3DXHANDLE hParameter, FLOAT f) {
    const int index = FindParameter(hParameter);
    if (index < 0) return D3DERR_INVALIDCALL;
    Parameter& p = parameters_[static_cast<size_t>(index)];
    if (!IsNumeric(p) || p.values.empty()) return D3DERR_INVALIDCALL;
    p.values[0] = f;
    Touch(p);
    return D3D_OK;
}

HRESULT Effect::SetVector(D3DXHANDLE hParameter, const D3DXVECTOR4* pVector) {
    const int index = FindParameter(hParameter);
    if (index < 0 || pVector == nullptr) return D3DERR_INVALIDCALL;
    Parameter& p = parameters_[static_cast<size_t>(index)];
    // Scalars and vectors; a vector shorter than four takes the leading components.
    if (!IsNumeric(p) || p.desc.rows != 1 || p.values.empty()) return D3DERR_INVALIDCALL;
    const float v[4] = {pVector->x, pVector->y, pVector->z, pVector->w};
    const size_t n = p.values.size() < 4 ? p.values.size() : 4;
    for (size_t i = 0; i < n; ++i) p.values[i] = v[i];
    Touch(p);
    return D3D_OK;
}

HRESULT Effect::SetTexture(D3DXHANDLE hParameter, LPDIRECT3DBASETEXTURE9 pTexture) {
    const int index = FindParameter(hParameter);
    if (index < 0) return D3DERR_INVALIDCALL;
    Parameter& p = parameters_[static_cast<size_t>(index)];
    if (p.desc.type != hlsl::ParameterType::Texture) return D3DERR_INVALIDCALL;
    Texture* texture = nullptr;
    if (pTexture != nullptr) {
        texture = AsTexture(pTexture);
        if (texture == nullptr || texture->OwningDevice() != device_) return D3DERR_INVALIDCALL;
        texture->AddRef();
    }
    if (p.texture != nullptr) p.texture->Release();
    p.texture = texture;
    Touch(p);
    return D3D_OK;
}

HRESULT Effect::SetTechnique(D3DXHANDLE hTechnique) {
    const int index = FindTechnique(hTechnique);
    if (index < 0 || begun_) return D3DERR_INVALIDCALL;
    current_ = index;
    return D3D_OK;
}

D3DXHANDLE Effect::GetCurrentTechnique() {
    return current_ < 0 ? nullptr : techniques_[static_cast<size_t>(current_)].name.c_str();
}

HRESULT Effect::Begin(UINT* pPasses, DWORD Flags) {
    if (pPasses != nullptr) *pPasses = 0;
    if (begun_ || current_ < 0) return D3DERR_INVALIDCALL;
    begun_ = true;
    restoreStates_ = (Flags & D3DXFX_DONOTSAVESTATE) == 0;
    savedStates_.clear();
    if (pPasses != nullptr)
        *pPasses = static_cast<UINT>(techniques_[static_cast<size_t>(current_)].passes.size());
    return D3D_OK;
}

HRESULT Effect::BeginPass(UINT Pass) {
    if (!begun_ || activePass_ >= 0) return D3DERR_INVALIDCALL;
    Technique& technique = techniques_[static_cast<size_t>(current_)];
    if (Pass >= technique.passes.size()) return D3DERR_INVALIDCALL;
    if (!device_->MakeCurrent()) return D3DERR_DEVICELOST;
    struct Pass& pass = technique.passes[Pass];
    for (const StateSlot& s : pass.states) {
        if (restoreStates_) {
            bool saved = false;
            for (const StateSlot& old : savedStates_) saved = saved || old.state == s.state;
            if (!saved) savedStates_.push_back({s.state, device_->RenderState(s.state)});
        }
        device_->SetRenderState(s.state, s.value);
    }
    device_->UseProgram(pass.program);
    device_->SetPassProgram(pass.program);
    BindSamplers(pass);
    UploadUniforms(pass);
    activePass_ = static_cast<int>(Pass);
    return D3D_OK;
}

HRESULT Effect::CommitChanges() {
    if (activePass_ < 0) return D3DERR_INVALIDCALL;
    if (!device_->MakeCurrent()) return D3DERR_DEVICELOST;
    struct Pass& pass =
        techniques_[static_cast<size_t>(current_)].passes[static_cast<size_t>(activePass_)];
    device_->UseProgram(pass.program);
    BindSamplers(pass);
    UploadUniforms(pass);
    return D3D_OK;
}

HRESULT Effect::EndPass() {
    if (activePass_ < 0) return D3DERR_INVALIDCALL;
    activePass_ = -1;
    device_->SetPassProgram(0);
    return D3D_OK;
}

HRESULT Effect::End() {
    if (!begun_) return D3DERR_INVALIDCALL;
    if (activePass_ >= 0) EndPass();
    begun_ = false;
    if (restoreStates_)
        for (const StateSlot& old : savedStates_) device_->SetRenderState(old.state, old.value);
    return D3D_OK;
}

void Effect::BindSamplers(const struct Pass& pass) {
    for (const SamplerSlot& slot : pass.samplers) {
        const Sampler& sampler = samplers_[static_cast<size_t>(slot.sampler)];
        GLuint texture = 0;
        if (sampler.textureParameter >= 0) {
            const Texture* t = parameters_[static_cast<size_t>(sampler.textureParameter)].texture;
            if (t != nullptr) texture = t->GlTexture();  // host textures sample as nothing
        }
        device_->BindTexture(slot.unit, texture);
        device_->BindSampler(slot.unit, sampler.object);
    }
}

void Effect::UploadUniforms(struct Pass& pass) {
    for (UniformSlot& slot : pass.uniforms) {
        const Parameter& p = parameters_[static_cast<size_t>(slot.parameter)];
        if (slot.uploaded == p.version) continue;
        slot.uploaded = p.version;
        const int rows = p.desc.rows, columns = p.desc.columns;
        const GLsizei count = p.desc.arraySize > 0 ? p.desc.arraySize : 1;
        const float* v = p.values.data();
        switch (slot.kind) {
        case hlsl::UniformKind::Float:
            switch (columns) {
            case 1: glUniform1fv(slot.location, count, v); break;
            case 2: glUniform2fv(slot.location, count, v); break;
            case 3: glUniform3fv(slot.location, count, v); break;
            default: glUniform4fv(slot.location, count, v); break;
            }
            break;
        case hlsl::UniformKind::Int:
        case hlsl::UniformKind::Bool: {
            intScratch_.resize(p.values.size());
            for (size_t i = 0; i < p.values.size(); ++i)
                intScratch_[i] = slot.kind == hlsl::UniformKind::Bool
                                     ? (p.values[i] != 0.0f ? 1 : 0)
                                     : static_cast<GLint>(p.values[i]);
            const GLint* iv = intScratch_.data();
            switch (columns) {
            case 1: glUniform1iv(slot.location, count, iv); break;
            case 2: glUniform2iv(slot.location, count, iv); break;
            case 3: glUniform3iv(slot.location, count, iv); break;
            default: glUniform4iv(slot.location, count, iv); break;
            }
            break;
        }
        case hlsl::UniformKind::Matrix:
            // GL names matrices columns x rows; the values are row-major.
            switch (columns * 10 + rows) {
            case 22: glUniformMatrix2fv(slot.location, count, GL_TRUE, v); break;
            case 33: glUniformMatrix3fv(slot.location, count, GL_TRUE, v); break;
            case 44: glUniformMatrix4fv(slot.location, count, GL_TRUE, v); break;
            case 23: glUniformMatrix2x3fv(slot.location, count, GL_TRUE, v); break;
            case 32: glUniformMatrix3x2fv(slot.location, count, GL_TRUE, v); break;
            case 24: glUniformMatrix2x4fv(slot.location, count, GL_TRUE, v); break;
            case 42: glUniformMatrix4x2fv(slot.location, count, GL_TRUE, v); break;
            case 34: glUniformMatrix3x4fv(slot.location, count, GL_TRUE, v); break;
            case 43: glUniformMatrix4x3fv(slot.location, count, GL_TRUE, v); break;
            default: break;  // refused when the pass was linked
            }
            break;
        }
    }
}

}  // namespace kd3d9
