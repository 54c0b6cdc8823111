#include "gl_draw.h"

#include <epoxy/gl.h>

#include <map>

namespace hlsltest {
namespace {

// Pre-transformed quad: memory row y of the target gets v = (y + 0.5) / H.
const char* kVertexShader = R"(#version 330 core
out vec4 kd_TEXCOORD0;
out vec4 kd_TEXCOORD1;
out vec4 kd_TEXCOORD2;
out vec4 kd_TEXCOORD3;
out vec4 kd_TEXCOORD4;
out vec4 kd_TEXCOORD5;
out vec4 kd_TEXCOORD6;
out vec4 kd_TEXCOORD7;
out vec4 kd_COLOR0;
out vec4 kd_COLOR1;
void main()
{
    vec2 p = vec2(float(gl_VertexID & 1), float(gl_VertexID >> 1));
    gl_Position = vec4(p * 2.0 - 1.0, 0.0, 1.0);
    kd_TEXCOORD0 = vec4(p, 0.0, 1.0);
    kd_TEXCOORD1 = vec4(0.0, 0.0, 0.0, 1.0);
    kd_TEXCOORD2 = vec4(0.0, 0.0, 0.0, 1.0);
    kd_TEXCOORD3 = vec4(0.0, 0.0, 0.0, 1.0);
    kd_TEXCOORD4 = vec4(0.0, 0.0, 0.0, 1.0);
    kd_TEXCOORD5 = vec4(0.0, 0.0, 0.0, 1.0);
    kd_TEXCOORD6 = vec4(0.0, 0.0, 0.0, 1.0);
    kd_TEXCOORD7 = vec4(0.0, 0.0, 0.0, 1.0);
    kd_COLOR0 = vec4(1.0);
    kd_COLOR1 = vec4(0.0);
}
)";

std::string ShaderLog(GLuint shader)
{
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::string log(length > 0 ? length : 1, '\0');
    GLsizei written = 0;
    glGetShaderInfoLog(shader, length, &written, log.data());
    log.resize(size_t(written));
    return log;
}

std::string ProgramLog(GLuint program)
{
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::string log(length > 0 ? length : 1, '\0');
    GLsizei written = 0;
    glGetProgramInfoLog(program, length, &written, log.data());
    log.resize(size_t(written));
    return log;
}

GLuint CompileShader(GLenum stage, const std::string& source, std::string& error)
{
    const GLuint shader = glCreateShader(stage);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        error = "GL shader compile failed:\n" + ShaderLog(shader) + "\n--- source ---\n" + source;
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

GLuint LinkProgram(const std::string& fragment, std::string& error)
{
    const GLuint vs = CompileShader(GL_VERTEX_SHADER, kVertexShader, error);
    if (!vs)
        return 0;
    const GLuint fs = CompileShader(GL_FRAGMENT_SHADER, fragment, error);
    if (!fs) {
        glDeleteShader(vs);
        return 0;
    }
    const GLuint program = glCreateProgram();
    glAttachShader(program, vs);
    glAttachShader(program, fs);
    glLinkProgram(program);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) {
        error = "GL link failed:\n" + ProgramLog(program) + "\n--- fragment source ---\n" + fragment;
        glDeleteProgram(program);
        return 0;
    }
    return program;
}

GLint GlFilter(hlsl::Filter f)
{
    return f == hlsl::Filter::Point || f == hlsl::Filter::None ? GL_NEAREST : GL_LINEAR;
}

GLint GlAddress(hlsl::Address a)
{
    switch (a) {
    case hlsl::Address::Wrap: return GL_REPEAT;
    case hlsl::Address::Mirror: return GL_MIRRORED_REPEAT;
    case hlsl::Address::Clamp: return GL_CLAMP_TO_EDGE;
    case hlsl::Address::Border: return GL_CLAMP_TO_BORDER;
    case hlsl::Address::MirrorOnce: return 0x8743;  // GL_MIRROR_CLAMP_TO_EDGE
    }
    return GL_REPEAT;
}

// Owns the GL objects of one run and deletes them at the end.
struct Objects {
    std::vector<GLuint> textures, samplers, programs, framebuffers, arrays;
    ~Objects()
    {
        for (GLuint p : programs)
            glDeleteProgram(p);
        if (!samplers.empty())
            glDeleteSamplers(GLsizei(samplers.size()), samplers.data());
        if (!textures.empty())
            glDeleteTextures(GLsizei(textures.size()), textures.data());
        if (!framebuffers.empty())
            glDeleteFramebuffers(GLsizei(framebuffers.size()), framebuffers.data());
        if (!arrays.empty())
            glDeleteVertexArrays(GLsizei(arrays.size()), arrays.data());
    }
};

GLuint MakeTexture(Objects& objects, GLenum internalFormat, GLenum format, int w, int h, const float* data)
{
    GLuint tex = 0;
    glGenTextures(1, &tex);
    objects.textures.push_back(tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, w, h, 0, format, GL_FLOAT, data);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    if (format == GL_RED) {
        // Direct3D 9 samples a one-channel float texture as (r, 1, 1, 1).
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_G, GL_ONE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_B, GL_ONE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_A, GL_ONE);
    }
    return tex;
}

const hlsl::ParameterDesc* FindParameter(const hlsl::Effect& effect, const std::string& name)
{
    for (const auto& p : effect.parameters)
        if (p.name == name)
            return &p;
    return nullptr;
}

const hlsl::SamplerDesc* FindSampler(const hlsl::Effect& effect, const std::string& name)
{
    for (const auto& s : effect.samplers)
        if (s.name == name)
            return &s;
    return nullptr;
}

bool UploadMatrix(GLint loc, int columns, int rows, GLsizei count, const float* v)
{
    using Fn = void (*)(GLint, GLsizei, GLboolean, const GLfloat*);
    static const std::map<std::pair<int, int>, Fn> table = {
        {{2, 2}, [](GLint l, GLsizei c, GLboolean t, const GLfloat* d) { glUniformMatrix2fv(l, c, t, d); }},
        {{3, 3}, [](GLint l, GLsizei c, GLboolean t, const GLfloat* d) { glUniformMatrix3fv(l, c, t, d); }},
        {{4, 4}, [](GLint l, GLsizei c, GLboolean t, const GLfloat* d) { glUniformMatrix4fv(l, c, t, d); }},
        {{2, 3}, [](GLint l, GLsizei c, GLboolean t, const GLfloat* d) { glUniformMatrix2x3fv(l, c, t, d); }},
        {{3, 2}, [](GLint l, GLsizei c, GLboolean t, const GLfloat* d) { glUniformMatrix3x2fv(l, c, t, d); }},
        {{2, 4}, [](GLint l, GLsizei c, GLboolean t, const GLfloat* d) { glUniformMatrix2x4fv(l, c, t, d); }},
        {{4, 2}, [](GLint l, GLsizei c, GLboolean t, const GLfloat* d) { glUniformMatrix4x2fv(l, c, t, d); }},
        {{3, 4}, [](GLint l, GLsizei c, GLboolean t, const GLfloat* d) { glUniformMatrix3x4fv(l, c, t, d); }},
        {{4, 3}, [](GLint l, GLsizei c, GLboolean t, const GLfloat* d) { glUniformMatrix4x3fv(l, c, t, d); }},
    };
    const auto it = table.find({columns, rows});
    if (it == table.end())
        return false;
    it->second(loc, count, GL_TRUE, v);
    return true;
}

bool UploadVector(GLint loc, hlsl::UniformKind kind, int columns, GLsizei count, const std::vector<float>& v)
{
    if (kind == hlsl::UniformKind::Float) {
        switch (columns) {
        case 1: glUniform1fv(loc, count, v.data()); return true;
        case 2: glUniform2fv(loc, count, v.data()); return true;
        case 3: glUniform3fv(loc, count, v.data()); return true;
        case 4: glUniform4fv(loc, count, v.data()); return true;
        }
        return false;
    }
    std::vector<GLint> ints;
    for (float f : v)
        ints.push_back(kind == hlsl::UniformKind::Bool ? (f != 0.0f ? 1 : 0) : GLint(f));
    switch (columns) {
    case 1: glUniform1iv(loc, count, ints.data()); return true;
    case 2: glUniform2iv(loc, count, ints.data()); return true;
    case 3: glUniform3iv(loc, count, ints.data()); return true;
    case 4: glUniform4iv(loc, count, ints.data()); return true;
    }
    return false;
}

bool SetUniforms(const hlsl::Effect& effect, const hlsl::PassDesc& pass, const Run& run, GLuint program,
                 std::string& error)
{
    for (const auto& u : pass.uniforms) {
        const hlsl::ParameterDesc* p = FindParameter(effect, u.parameter);
        if (!p) {
            error = "pass " + pass.name + " binds uniform " + u.glslName + " to unknown parameter " + u.parameter;
            return false;
        }
        const size_t count = size_t(std::max(p->arraySize, 1));
        const size_t want = size_t(p->rows) * p->columns * count;
        std::vector<float> values = p->initialValue;
        for (const auto& given : run.params)
            if (given.name == p->name)
                values = given.values;
        if (values.empty())
            values.assign(want, 0.0f);
        if (values.size() != want) {
            error = "parameter " + p->name + " takes " + std::to_string(want) + " numbers, got "
                    + std::to_string(values.size());
            return false;
        }
        const GLint loc = glGetUniformLocation(program, u.glslName.c_str());
        if (loc < 0)
            continue;  // unused in the shader and removed by the GL compiler
        const bool ok = u.kind == hlsl::UniformKind::Matrix
                            ? UploadMatrix(loc, p->columns, p->rows, GLsizei(count), values.data())
                            : UploadVector(loc, u.kind, p->columns, GLsizei(count), values);
        if (!ok) {
            error = "cannot upload parameter " + p->name + " (" + std::to_string(p->rows) + "x"
                    + std::to_string(p->columns) + ")";
            return false;
        }
    }
    return true;
}

bool BindSamplers(const hlsl::Effect& effect, const hlsl::PassDesc& pass, const Run& run, GLuint program,
                  Objects& objects, std::string& error)
{
    for (const auto& b : pass.samplers) {
        const hlsl::SamplerDesc* s = FindSampler(effect, b.sampler);
        if (!s) {
            error = "pass " + pass.name + " binds unknown sampler " + b.sampler;
            return false;
        }
        const TextureData* data = nullptr;
        for (const auto& t : run.textures)
            if (t.name == s->texture)
                data = &t;
        if (!data) {
            error = "sampler " + s->name + " reads texture '" + s->texture + "', which the case does not give";
            return false;
        }
        glActiveTexture(GL_TEXTURE0 + b.unit);
        MakeTexture(objects, data->rgba ? GL_RGBA32F : GL_R32F, data->rgba ? GL_RGBA : GL_RED, data->width,
                    data->height, data->texels.data());
        GLuint sampler = 0;
        glGenSamplers(1, &sampler);
        objects.samplers.push_back(sampler);
        glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, GlFilter(s->minFilter));
        glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, GlFilter(s->magFilter));
        glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, GlAddress(s->addressU));
        glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, GlAddress(s->addressV));
        glSamplerParameteri(sampler, GL_TEXTURE_WRAP_R, GlAddress(s->addressW));
        const float border[4] = {float((s->borderColor >> 16) & 0xff) / 255.0f,
                                 float((s->borderColor >> 8) & 0xff) / 255.0f,
                                 float(s->borderColor & 0xff) / 255.0f,
                                 float((s->borderColor >> 24) & 0xff) / 255.0f};
        glSamplerParameterfv(sampler, GL_TEXTURE_BORDER_COLOR, border);
        glBindSampler(b.unit, sampler);
        const GLint loc = glGetUniformLocation(program, b.glslName.c_str());
        if (loc >= 0)
            glUniform1i(loc, b.unit);
    }
    return true;
}

}  // namespace

bool DrawRun(const hlsl::Effect& effect, const Run& run, std::vector<float>& pixels, std::string& error)
{
    const hlsl::TechniqueDesc* technique = nullptr;
    for (const auto& t : effect.techniques)
        if (t.name == run.technique)
            technique = &t;
    if (!technique) {
        error = "no technique " + run.technique;
        return false;
    }
    std::vector<const hlsl::PassDesc*> passes;
    for (const auto& p : technique->passes)
        if (run.pass.empty() || p.name == run.pass)
            passes.push_back(&p);
    if (passes.empty()) {
        error = "technique " + run.technique + " has no pass " + (run.pass.empty() ? "at all" : run.pass);
        return false;
    }
    for (const auto& given : run.params)
        if (!FindParameter(effect, given.name)) {
            error = "the case sets " + given.name + ", which is no parameter of the effect";
            return false;
        }

    Objects objects;
    GLuint vao = 0;
    glGenVertexArrays(1, &vao);
    objects.arrays.push_back(vao);
    glBindVertexArray(vao);

    glActiveTexture(GL_TEXTURE0);
    const GLuint target = MakeTexture(objects, GL_RGBA32F, GL_RGBA, run.width, run.height, nullptr);
    GLuint fbo = 0;
    glGenFramebuffers(1, &fbo);
    objects.framebuffers.push_back(fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, target, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        error = "RGBA32F framebuffer incomplete";
        return false;
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    glViewport(0, 0, run.width, run.height);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glClearColor(run.clear[0], run.clear[1], run.clear[2], run.clear[3]);
    glClear(GL_COLOR_BUFFER_BIT);

    for (const hlsl::PassDesc* pass : passes) {
        const GLuint program = LinkProgram(pass->fragmentGlsl, error);
        if (!program) {
            error = "pass " + pass->name + ": " + error;
            return false;
        }
        objects.programs.push_back(program);
        glUseProgram(program);
        if (!SetUniforms(effect, *pass, run, program, error)
            || !BindSamplers(effect, *pass, run, program, objects, error))
            return false;
        glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
        for (const auto& b : pass->samplers)
            glBindSampler(b.unit, 0);
    }
    pixels.assign(size_t(run.width) * run.height * 4, 0.0f);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, run.width, run.height, GL_RGBA, GL_FLOAT, pixels.data());
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glUseProgram(0);
    const GLenum glError = glGetError();
    if (glError != GL_NO_ERROR) {
        error = "GL error " + std::to_string(glError);
        return false;
    }
    return true;
}

}  // namespace hlsltest
