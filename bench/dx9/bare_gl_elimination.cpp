#include "bare_gl_elimination.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>

#include "effect.h"

namespace {

// The Direct3D 9 stand-in keeps its own GL context current between calls and
// does not look again; every bare-GL step hands the thread back to it.
struct ContextSwitch {
    EGLDisplay display;
    EGLContext previous;
    EGLContext mine;
    ContextSwitch(EGLDisplay d, EGLContext c) : display(d), previous(eglGetCurrentContext()), mine(c)
    {
        if (mine != EGL_NO_CONTEXT) eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, mine);
    }
    ~ContextSwitch() { eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, previous); }
};

// Pre-transformed vertices to clip space as Direct3D 9 places them, and the
// varyings that the generated fragment shaders read.
const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec4 position;  // x, y, z, rhw in pixels
layout(location = 1) in vec2 texCoord;
uniform vec2 targetSize;
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
void main() {
    vec2 ndc = 2.0 * (position.xy + 0.5) / targetSize - 1.0;
    gl_Position = vec4(ndc, 2.0 * position.z - 1.0, 1.0) / position.w;
    kd_TEXCOORD0 = vec4(texCoord, 0.0, 1.0);
    kd_TEXCOORD1 = vec4(0.0, 0.0, 0.0, 1.0);
    kd_TEXCOORD2 = kd_TEXCOORD1;
    kd_TEXCOORD3 = kd_TEXCOORD1;
    kd_TEXCOORD4 = kd_TEXCOORD1;
    kd_TEXCOORD5 = kd_TEXCOORD1;
    kd_TEXCOORD6 = kd_TEXCOORD1;
    kd_TEXCOORD7 = kd_TEXCOORD1;
    kd_COLOR0 = vec4(1.0);
    kd_COLOR1 = vec4(0.0);
}
)";

bool OpenContext(EGLDisplay& display, EGLContext& context, std::string& error)
{
    EGLDeviceEXT devices[16];
    EGLint count = 0;
    if (!eglQueryDevicesEXT(16, devices, &count) || count == 0) {
        error = "no EGL device";
        return false;
    }
    // The first hardware device, as the stand-in picks, else the software one.
    EGLDeviceEXT chosen = devices[0];
    for (EGLint i = 0; i < count; ++i) {
        const char* extensions = eglQueryDeviceStringEXT(devices[i], EGL_EXTENSIONS);
        if (extensions == nullptr || std::strstr(extensions, "EGL_MESA_device_software") == nullptr) {
            chosen = devices[i];
            break;
        }
    }
    display = eglGetPlatformDisplayEXT(EGL_PLATFORM_DEVICE_EXT, chosen, nullptr);
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr) || !eglBindAPI(EGL_OPENGL_API)) {
        error = "EGL display";
        return false;
    }
    const EGLint attributes[] = {EGL_CONTEXT_MAJOR_VERSION, 3, EGL_CONTEXT_MINOR_VERSION, 3,
                                 EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT, EGL_NONE};
    context = eglCreateContext(display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, attributes);
    if (context == EGL_NO_CONTEXT || !eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) {
        error = "GL 3.3 core context";
        return false;
    }
    return true;
}

GLuint CompileProgram(const std::string& fragment, std::string& error)
{
    auto compile = [&](GLenum type, const char* source) {
        GLuint shader = glCreateShader(type);
        glShaderSource(shader, 1, &source, nullptr);
        glCompileShader(shader);
        GLint ok = 0;
        glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
        if (!ok) {
            char log[2048] = {};
            glGetShaderInfoLog(shader, sizeof log, nullptr, log);
            error += log;
        }
        return shader;
    };
    GLuint program = glCreateProgram();
    glAttachShader(program, compile(GL_VERTEX_SHADER, kVertexShader));
    glAttachShader(program, compile(GL_FRAGMENT_SHADER, fragment.c_str()));
    glLinkProgram(program);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) error += "link failed";
    return ok ? program : 0;
}

bool BuildPass(const hlsl::Effect& effect, const char* technique, BareGlPass& pass, std::string& error)
{
    for (const hlsl::TechniqueDesc& t : effect.techniques) {
        if (t.name != technique || t.passes.empty()) continue;
        const hlsl::PassDesc& desc = t.passes[0];
        pass.program = CompileProgram(desc.fragmentGlsl, error);
        if (pass.program == 0) return false;
        pass.targetSize = glGetUniformLocation(pass.program, "targetSize");
        for (const hlsl::UniformBinding& u : desc.uniforms) {
            if (u.parameter == "COLOR1") pass.color1 = glGetUniformLocation(pass.program, u.glslName.c_str());
        }
        glUseProgram(pass.program);
        for (const hlsl::SamplerBinding& s : desc.samplers) {
            glUniform1i(glGetUniformLocation(pass.program, s.glslName.c_str()), s.unit);
            for (const hlsl::SamplerDesc& sd : effect.samplers) {
                if (sd.name == s.sampler) pass.samplerUnits[sd.texture] = s.unit;
            }
        }
        return true;
    }
    error = std::string("no technique ") + technique;
    return false;
}

GLuint MakeTarget(int width, int height, const float* data)
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_R32F, width, height, 0, GL_RED, GL_FLOAT, data);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    return texture;
}

GLuint MakeFramebuffer(GLuint texture)
{
    GLuint framebuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    return framebuffer;
}

void Draw(const BareGlPass& pass, GLuint framebuffer, int targetWidth, int targetHeight, float width, float height,
          float k, const std::map<std::string, GLuint>& textures)
{
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glViewport(0, 0, targetWidth, targetHeight);
    glUseProgram(pass.program);
    glUniform2f(pass.targetSize, static_cast<float>(targetWidth), static_cast<float>(targetHeight));
    glUniform4f(pass.color1, width, height, 1.0f, k);
    for (const auto& [parameter, unit] : pass.samplerUnits) {
        glActiveTexture(GL_TEXTURE0 + unit);
        auto found = textures.find(parameter);
        glBindTexture(GL_TEXTURE_2D, found == textures.end() ? 0 : found->second);
    }
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
}

}  // namespace

namespace {

bool OpenInOwnContext(BareGlElimination& gl, const std::string& effectSource, const std::vector<float>& matrix,
                      int width, int height, std::string& error)
{
    hlsl::CompileResult compiled = hlsl::CompileEffect(effectSource, "kordane02_DX9.fx");
    if (!compiled.effect) {
        error = hlsl::FormatDiagnostics(compiled.diagnostics);
        return false;
    }
    if (!OpenContext(gl.display, gl.context, error)) return false;
    if (!BuildPass(*compiled.effect, "poctyRow", gl.row, error) ||
        !BuildPass(*compiled.effect, "poctySubMat", gl.subMat, error)) {
        return false;
    }
    gl.renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    gl.width = width;
    gl.height = height;
    gl.matrix = matrix;

    // The target quad of the back-end, in a buffer made once.
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    const float quad[] = {-0.5f, -0.5f, 0, 1, 0, 0, w - 0.5f, -0.5f, 0, 1, 1, 0,
                          -0.5f, h - 0.5f, 0, 1, 0, 1, w - 0.5f, h - 0.5f, 0, 1, 1, 1};
    glGenVertexArrays(1, &gl.vertexArray);
    glBindVertexArray(gl.vertexArray);
    glGenBuffers(1, &gl.buffer);
    glBindBuffer(GL_ARRAY_BUFFER, gl.buffer);
    glBufferData(GL_ARRAY_BUFFER, sizeof quad, quad, GL_STATIC_DRAW);
    glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, 24, nullptr);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 24, reinterpret_cast<void*>(16));
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);

    glGenSamplers(1, &gl.sampler);
    glSamplerParameteri(gl.sampler, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glSamplerParameteri(gl.sampler, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glSamplerParameteri(gl.sampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glSamplerParameteri(gl.sampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    for (GLuint unit = 0; unit < 4; ++unit) glBindSampler(unit, gl.sampler);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    return true;
}

}  // namespace

bool OpenBareGl(BareGlElimination& gl, const std::string& effectSource, const std::vector<float>& matrix, int width,
                int height, std::string& error)
{
    const EGLContext previous = eglGetCurrentContext();
    const EGLDisplay previousDisplay = eglGetCurrentDisplay();
    const bool ok = OpenInOwnContext(gl, effectSource, matrix, width, height, error);
    if (previousDisplay != EGL_NO_DISPLAY) eglMakeCurrent(previousDisplay, EGL_NO_SURFACE, EGL_NO_SURFACE, previous);
    return ok;
}

double RunBareGlElimination(BareGlElimination& gl, std::vector<float>& lastRow)
{
    ContextSwitch use(gl.display, gl.context);
    const int width = gl.width, height = gl.height;
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    const std::vector<float> zeros(static_cast<size_t>(width) * height, 0.0f);
    GLuint matrixTexture = MakeTarget(width, height, gl.matrix.data());
    GLuint matrixFramebuffer = MakeFramebuffer(matrixTexture);
    glFinish();

    const auto start = std::chrono::steady_clock::now();
    GLuint factorTexture = MakeTarget(1, height, zeros.data());
    GLuint factorFramebuffer = MakeFramebuffer(factorTexture);
    GLuint pongTexture = MakeTarget(width, height, zeros.data());
    GLuint pongFramebuffer = MakeFramebuffer(pongTexture);
    GLuint in = matrixTexture, inFramebuffer = matrixFramebuffer;
    for (int k = 0; k + 1 < height; ++k) {
        Draw(gl.row, factorFramebuffer, 1, height, w, h, static_cast<float>(k), {{"mytex", in}});
        Draw(gl.subMat, pongFramebuffer, width, height, w, h, static_cast<float>(k),
             {{"mytex", in}, {"mytexTemp", factorTexture}});
        std::swap(in, pongTexture);
        std::swap(inFramebuffer, pongFramebuffer);
    }
    glFinish();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    lastRow.assign(static_cast<size_t>(width), 0.0f);
    glBindFramebuffer(GL_FRAMEBUFFER, inFramebuffer);
    glReadPixels(0, height - 1, width, 1, GL_RED, GL_FLOAT, lastRow.data());
    const GLuint textures[] = {in, pongTexture, factorTexture};
    const GLuint framebuffers[] = {inFramebuffer, pongFramebuffer, factorFramebuffer};
    glDeleteFramebuffers(3, framebuffers);
    glDeleteTextures(3, textures);
    return ms;
}

void CloseBareGl(BareGlElimination& gl)
{
    if (gl.context == EGL_NO_CONTEXT) return;
    {
        ContextSwitch use(gl.display, gl.context);
        glDeleteSamplers(1, &gl.sampler);
        glDeleteBuffers(1, &gl.buffer);
        glDeleteVertexArrays(1, &gl.vertexArray);
        glDeleteProgram(gl.row.program);
        glDeleteProgram(gl.subMat.program);
    }
    eglDestroyContext(gl.display, gl.context);
    gl.context = EGL_NO_CONTEXT;
}
