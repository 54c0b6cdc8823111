#pragma once
// ID3DXEffect over GL programs: one program per pass (the device's fixed
// vertex shader with the pass's fragment shader), parameter values kept here
// and uploaded at BeginPass and CommitChanges when they changed.
//
// A handle is the address of the stored name of its parameter or technique,
// so a handle is itself a valid name string; every method taking a handle
// accepts a name as well.
#include <epoxy/gl.h>

#include <string>
#include <vector>

#include "d3dx9.h"
#include "device.h"
#include "hlsl/effect.h"

namespace kd3d9 {

class Texture;

class Effect final : public ID3DXEffect {
public:
    static HRESULT Create(Device* device, const hlsl::Effect& desc, const std::string& fileName,
                          std::string& errors, Effect** out);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetDevice(LPDIRECT3DDEVICE9* ppDevice) override;
    D3DXHANDLE STDMETHODCALLTYPE GetParameterByName(D3DXHANDLE hParameter, LPCSTR pName) override;
    D3DXHANDLE STDMETHODCALLTYPE GetTechniqueByName(LPCSTR pName) override;
    HRESULT STDMETHODCALLTYPE SetFloat(D3DXHANDLE hParameter, FLOAT f) override;
    HRESULT STDMETHODCALLTYPE SetVector(D3DXHANDLE hParameter, const D3DXVECTOR4* pVector) override;
    HRESULT STDMETHODCALLTYPE SetTexture(D3DXHANDLE hParameter, LPDIRECT3DBASETEXTURE9 pTexture) override;
    HRESULT STDMETHODCALLTYPE SetTechnique(D3DXHANDLE hTechnique) override;
    D3DXHANDLE STDMETHODCALLTYPE GetCurrentTechnique() override;
    HRESULT STDMETHODCALLTYPE Begin(UINT* pPasses, DWORD Flags) override;
    HRESULT STDMETHODCALLTYPE BeginPass(UINT Pass) override;
    HRESULT STDMETHODCALLTYPE CommitChanges() override;
    HRESULT STDMETHODCALLTYPE EndPass() override;
    HRESULT STDMETHODCALLTYPE End() override;

private:
    struct Parameter {
        hlsl::ParameterDesc desc;
        std::vector<float> values;  // rows x columns x max(arraySize, 1), row-major
        Texture* texture = nullptr;  // texture parameters: one public reference
        unsigned long version = 1;
    };
    struct UniformSlot {
        GLint location = -1;
        int parameter = -1;
        hlsl::UniformKind kind = hlsl::UniformKind::Float;
        unsigned long uploaded = 0;  // parameter version the program holds
    };
    struct SamplerSlot {
        int unit = 0;
        int sampler = -1;
    };
    struct StateSlot {
        D3DRENDERSTATETYPE state;
        DWORD value;
    };
    struct Pass {
        GLuint program = 0;
        std::vector<UniformSlot> uniforms;
        std::vector<SamplerSlot> samplers;
        std::vector<StateSlot> states;
    };
    struct Technique {
        std::string name;
        std::vector<Pass> passes;
    };
    struct Sampler {
        std::string name;
        GLuint object = 0;
        int textureParameter = -1;
    };

    explicit Effect(Device* device);
    ~Effect() override;
    bool Build(const hlsl::Effect& desc, const std::string& fileName, std::string& errors);
    bool LinkPass(const hlsl::PassDesc& desc, const std::string& where, Pass& pass,
                  std::string& errors);
    int FindParameter(D3DXHANDLE handle) const;
    int FindTechnique(D3DXHANDLE handle) const;
    bool IsNumeric(const Parameter& p) const;
    void Touch(Parameter& p) { p.version = ++changes_; }
    void BindSamplers(const Pass& pass);
    void UploadUniforms(Pass& pass);

    Device* device_;
    ULONG refs_ = 1;
    std::vector<Parameter> parameters_;
    std::vector<Sampler> samplers_;
    std::vector<Technique> techniques_;
    unsigned long changes_ = 1;
    int current_ = -1;
    bool begun_ = false;
    int activePass_ = -1;
    bool restoreStates_ = false;
    // Render states as they were before the first pass of this Begin changed them.
    std::vector<StateSlot> savedStates_;
    std::vector<GLint> intScratch_;
};

}  // namespace kd3d9
