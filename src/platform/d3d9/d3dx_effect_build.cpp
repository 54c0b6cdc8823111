// Building an effect from its compiled description: parameter storage, GL
// sampler objects, and one linked program per pass.
#include <cstring>
#include <iterator>

#include "d3dx_effect.h"
#include "gl_objects.h"

namespace kd3d9 {

namespace {

struct NamedState {
    const char* name;
    D3DRENDERSTATETYPE state;
};

// Pass render states by the compiler's canonical names; names not listed are
// accepted and change nothing.
const NamedState kNamedStates[] = {
    {"zenable", D3DRS_ZENABLE},
    {"fillmode", D3DRS_FILLMODE},
    {"shademode", D3DRS_SHADEMODE},
    {"zwriteenable", D3DRS_ZWRITEENABLE},
    {"alphatestenable", D3DRS_ALPHATESTENABLE},
    {"srcblend", D3DRS_SRCBLEND},
    {"destblend", D3DRS_DESTBLEND},
    {"cullmode", D3DRS_CULLMODE},
    {"zfunc", D3DRS_ZFUNC},
    {"alpharef", D3DRS_ALPHAREF},
    {"alphafunc", D3DRS_ALPHAFUNC},
    {"ditherenable", D3DRS_DITHERENABLE},
    {"alphablendenable", D3DRS_ALPHABLENDENABLE},
    {"fogenable", D3DRS_FOGENABLE},
    {"specularenable", D3DRS_SPECULARENABLE},
    {"stencilenable", D3DRS_STENCILENABLE},
    {"lighting", D3DRS_LIGHTING},
    {"multisampleantialias", D3DRS_MULTISAMPLEANTIALIAS},
    {"colorwriteenable", D3DRS_COLORWRITEENABLE},
    {"blendop", D3DRS_BLENDOP},
    {"scissortestenable", D3DRS_SCISSORTESTENABLE},
    {"srgbwriteenable", D3DRS_SRGBWRITEENABLE},
};

GLint MinFilter(hlsl::Filter min, hlsl::Filter mip) {
    const bool linear = min == hlsl::Filter::Linear || min == hlsl::Filter::Anisotropic;
    switch (mip) {
    case hlsl::Filter::Point:
        return linear ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
    case hlsl::Filter::Linear:
    case hlsl::Filter::Anisotropic:
        return linear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
    default:
        return linear ? GL_LINEAR : GL_NEAREST;
    }
}

GLint MagFilter(hlsl::Filter mag) {
    return mag == hlsl::Filter::Linear || mag == hlsl::Filter::Anisotropic ? GL_LINEAR : GL_NEAREST;
}

GLint Wrap(hlsl::Address address, bool mirrorClamp) {
    switch (address) {
    case hlsl::Address::Mirror: return GL_MIRRORED_REPEAT;
    case hlsl::Address::Clamp: return GL_CLAMP_TO_EDGE;
    case hlsl::Address::Border: return GL_CLAMP_TO_BORDER;
    case hlsl::Address::MirrorOnce: return mirrorClamp ? 0x8743 /* GL_MIRROR_CLAMP_TO_EDGE */
                                                       : GL_MIRRORED_REPEAT;
    default: return GL_REPEAT;
    }
}

std::string ShaderLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::string log(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) glGetShaderInfoLog(shader, length, nullptr, log.data());
    while (!log.empty() && (log.back() == '\0' || log.back() == '\n')) log.pop_back();
    return log;
}

std::string ProgramLog(GLuint program) {
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::string log(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) glGetProgramInfoLog(program, length, nullptr, log.data());
    while (!log.empty() && (log.back() == '\0' || log.back() == '\n')) log.pop_back();
    return log;
}

bool MatrixShapeSupported(int rows, int columns) {
    return rows >= 2 && rows <= 4 && columns >= 2 && columns <= 4;
}

}  // namespace

bool Effect::Build(const hlsl::Effect& desc, const std::string& fileName, std::string& errors) {
    const size_t errorsBefore = errors.size();
    parameters_.reserve(desc.parameters.size());
    for (const hlsl::ParameterDesc& pd : desc.parameters) {
        Parameter p;
        p.desc = pd;
        const bool numeric = pd.type == hlsl::ParameterType::Float ||
                             pd.type == hlsl::ParameterType::Int ||
                             pd.type == hlsl::ParameterType::Bool;
        if (numeric) {
            const size_t size = static_cast<size_t>(pd.rows > 0 ? pd.rows : 1) *
                                static_cast<size_t>(pd.columns > 0 ? pd.columns : 1) *
                                static_cast<size_t>(pd.arraySize > 0 ? pd.arraySize : 1);
            p.values.assign(size, 0.0f);
            for (size_t i = 0; i < size && i < pd.initialValue.size(); ++i)
                p.values[i] = pd.initialValue[i];
        }
        parameters_.push_back(std::move(p));
    }

    const bool mirrorClamp = device_->Adapter().mirrorClampToEdge;
    for (const hlsl::SamplerDesc& sd : desc.samplers) {
        Sampler s;
        s.name = sd.name;
        s.object = GenSampler();
        glSamplerParameteri(s.object, GL_TEXTURE_MIN_FILTER, MinFilter(sd.minFilter, sd.mipFilter));
        glSamplerParameteri(s.object, GL_TEXTURE_MAG_FILTER, MagFilter(sd.magFilter));
        glSamplerParameteri(s.object, GL_TEXTURE_WRAP_S, Wrap(sd.addressU, mirrorClamp));
        glSamplerParameteri(s.object, GL_TEXTURE_WRAP_T, Wrap(sd.addressV, mirrorClamp));
        glSamplerParameteri(s.object, GL_TEXTURE_WRAP_R, Wrap(sd.addressW, mirrorClamp));
        const float border[4] = {((sd.borderColor >> 16) & 0xFF) / 255.0f,
                                 ((sd.borderColor >> 8) & 0xFF) / 255.0f,
                                 (sd.borderColor & 0xFF) / 255.0f,
                                 ((sd.borderColor >> 24) & 0xFF) / 255.0f};
        glSamplerParameterfv(s.object, GL_TEXTURE_BORDER_COLOR, border);
        if (!sd.texture.empty()) {
            for (size_t i = 0; i < parameters_.size(); ++i)
                if (parameters_[i].desc.name == sd.texture &&
                    parameters_[i].desc.type == hlsl::ParameterType::Texture)
                    s.textureParameter = static_cast<int>(i);
            if (s.textureParameter < 0)
                errors += fileName + ": error: sampler '" + sd.name + "' reads unknown texture '" +
                          sd.texture + "'\n";
        }
        samplers_.push_back(s);
    }

    techniques_.reserve(desc.techniques.size());
    for (const hlsl::TechniqueDesc& td : desc.techniques) {
        Technique t;
        t.name = td.name;
        t.passes.resize(td.passes.size());
        for (size_t i = 0; i < td.passes.size(); ++i) {
            const std::string where =
                fileName + ": technique '" + td.name + "', pass '" + td.passes[i].name + "'";
            LinkPass(td.passes[i], where, t.passes[i], errors);
        }
        techniques_.push_back(std::move(t));
    }
    // Never more saved states than named ones: BeginPass then cannot run out of memory.
    savedStates_.reserve(std::size(kNamedStates));
    // The first technique is current until the application picks one.
    if (!techniques_.empty()) current_ = 0;
    return errors.size() == errorsBefore;
}

bool Effect::LinkPass(const hlsl::PassDesc& desc, const std::string& where, struct Pass& pass,
                      std::string& errors) {
    const GLuint fragment = CreateShader(GL_FRAGMENT_SHADER);
    const char* source = desc.fragmentGlsl.c_str();
    glShaderSource(fragment, 1, &source, nullptr);
    glCompileShader(fragment);
    GLint ok = GL_FALSE;
    glGetShaderiv(fragment, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        errors += where + ": error: fragment shader does not compile: " + ShaderLog(fragment) + "\n";
        DeleteShader(fragment);
        return false;
    }
    pass.program = CreateProgram();
    glAttachShader(pass.program, device_->FixedVertexShader());
    glAttachShader(pass.program, fragment);
    glLinkProgram(pass.program);
    glDetachShader(pass.program, device_->FixedVertexShader());
    glDetachShader(pass.program, fragment);
    DeleteShader(fragment);
    glGetProgramiv(pass.program, GL_LINK_STATUS, &ok);
    if (!ok) {
        errors += where + ": error: program does not link: " + ProgramLog(pass.program) + "\n";
        return false;
    }

    bool good = true;
    for (const hlsl::UniformBinding& ub : desc.uniforms) {
        UniformSlot slot;
        slot.kind = ub.kind;
        for (size_t i = 0; i < parameters_.size(); ++i)
            if (parameters_[i].desc.name == ub.parameter) slot.parameter = static_cast<int>(i);
        const Parameter* p =
            slot.parameter >= 0 ? &parameters_[static_cast<size_t>(slot.parameter)] : nullptr;
        if (p == nullptr || p->values.empty() ||
            (ub.kind == hlsl::UniformKind::Matrix &&
             !MatrixShapeSupported(p->desc.rows, p->desc.columns)) ||
            (ub.kind != hlsl::UniformKind::Matrix && p->desc.rows != 1)) {
            errors += where + ": error: uniform '" + ub.glslName + "' has no usable parameter '" +
                      ub.parameter + "'\n";
            good = false;
            continue;
        }
        slot.location = glGetUniformLocation(pass.program, ub.glslName.c_str());
        if (slot.location >= 0) pass.uniforms.push_back(slot);  // -1: optimised away
    }

    device_->UseProgram(pass.program);
    for (const hlsl::SamplerBinding& sb : desc.samplers) {
        SamplerSlot slot;
        slot.unit = sb.unit;
        for (size_t i = 0; i < samplers_.size(); ++i)
            if (samplers_[i].name == sb.sampler) slot.sampler = static_cast<int>(i);
        if (slot.sampler < 0 || sb.unit < 0 || sb.unit >= kTextureUnits) {
            errors += where + ": error: sampler '" + sb.glslName + "' has no usable binding\n";
            good = false;
            continue;
        }
        const GLint location = glGetUniformLocation(pass.program, sb.glslName.c_str());
        if (location >= 0) glUniform1i(location, sb.unit);
        pass.samplers.push_back(slot);
    }

    for (const hlsl::RenderState& rs : desc.renderStates)
        for (const NamedState& ns : kNamedStates)
            if (rs.name == ns.name) pass.states.push_back({ns.state, rs.value});
    return good;
}

}  // namespace kd3d9
