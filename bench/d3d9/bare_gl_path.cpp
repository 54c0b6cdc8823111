// The elimination passes with bare GL calls on a context of the same adapter:
// the driver's own cost, for comparison with the stand-in.
#include <epoxy/gl.h>

#include <utility>

#include "bench_paths.h"
#include "egl_adapter.h"
#include "elimination_passes.h"

namespace bench {

namespace {

const char* kVertexGlsl =
    "#version 330 core\n"
    "layout(location = 0) in vec4 position;\n"
    "layout(location = 1) in vec2 texCoord;\n"
    "out vec4 kd_TEXCOORD0;\n"
    "void main() { gl_Position = position; kd_TEXCOORD0 = vec4(texCoord, 0.0, 1.0); }\n";

GLuint Compile(GLenum type, const char* source) {
    GLuint s = glCreateShader(type);
    glShaderSource(s, 1, &source, nullptr);
    glCompileShader(s);
    return s;
}

GLuint Program(const char* fragment) {
    GLuint p = glCreateProgram();
    GLuint vs = Compile(GL_VERTEX_SHADER, kVertexGlsl), fs = Compile(GL_FRAGMENT_SHADER, fragment);
    glAttachShader(p, vs);
    glAttachShader(p, fs);
    glLinkProgram(p);
    glDeleteShader(vs);
    glDeleteShader(fs);
    return p;
}

struct Target {
    GLuint texture = 0, framebuffer = 0;
    int width = 0, height = 0;
};

Target MakeTarget(int w, int h, const float* values) {
    Target t{0, 0, w, h};
    glGenTextures(1, &t.texture);
    glBindTexture(GL_TEXTURE_2D, t.texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_R32F, w, h, 0, GL_RED, GL_FLOAT, values);
    glGenFramebuffers(1, &t.framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, t.framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, t.texture, 0);
    return t;
}

void FreeTarget(Target& t) {
    glDeleteFramebuffers(1, &t.framebuffer);
    glDeleteTextures(1, &t.texture);
}

}  // namespace

bool RunOnBareGl(const Matrix& m, int pivots, Result& result) {
    kd3d9::AdapterInfo adapter;
    if (!kd3d9::AcquireAdapter(adapter)) return false;
    EGLContext context = kd3d9::CreateGlContext(adapter.display);
    if (context == EGL_NO_CONTEXT || !kd3d9::MakeContextCurrent(adapter.display, context)) {
        kd3d9::ReleaseAdapter();
        return false;
    }
    result.renderer = adapter.renderer;
    const int w = m.width, h = m.height;
    const std::vector<float> zeros(m.values.size(), 0.0f);
    Target in = MakeTarget(w, h, m.values.data());
    Target pong = MakeTarget(w, h, zeros.data());
    Target temp = MakeTarget(1, h, zeros.data());

    const GLuint row = Program(kRowGlsl), sub = Program(kSubMatGlsl);
    const GLint rowColor = glGetUniformLocation(row, "COLOR1");
    const GLint subColor = glGetUniformLocation(sub, "COLOR1");
    glUseProgram(row);
    glUniform1i(glGetUniformLocation(row, "mytexSampler"), 0);
    glUseProgram(sub);
    glUniform1i(glGetUniformLocation(sub, "mytexSampler"), 0);
    glUniform1i(glGetUniformLocation(sub, "mytexTempSampler"), 1);
    GLuint sampler = 0;
    glGenSamplers(1, &sampler);
    glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glBindSampler(0, sampler);
    glBindSampler(1, sampler);

    // The target quad in clip space: the same for every target size.
    const float quad[] = {-1, -1, 0, 1, 0, 0, 1, -1, 0, 1, 1, 0,
                          -1, 1,  0, 1, 0, 1, 1, 1,  0, 1, 1, 1};
    GLuint vao = 0, vbo = 0;
    glGenVertexArrays(1, &vao);
    glGenBuffers(1, &vbo);
    glBindVertexArray(vao);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBufferData(GL_ARRAY_BUFFER, sizeof(quad), quad, GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, 24, nullptr);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 24, reinterpret_cast<const void*>(16));
    glFinish();

    const auto start = Clock::now();
    const double cpuStart = ProcessCpuSeconds();
    for (int k = 0; k < pivots; ++k) {
        const float fw = static_cast<float>(w), fh = static_cast<float>(h), fk = static_cast<float>(k);
        glUseProgram(row);
        glUniform4f(rowColor, fw, fh, 1.0f, fk);
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, in.texture);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, temp.framebuffer);
        glViewport(0, 0, 1, h);
        glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
        glUseProgram(sub);
        glUniform4f(subColor, fw, fh, 1.0f, fk);
        glActiveTexture(GL_TEXTURE1);
        glBindTexture(GL_TEXTURE_2D, temp.texture);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, pong.framebuffer);
        glViewport(0, 0, w, h);
        glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
        std::swap(in, pong);
    }
    glFinish();
    result.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    result.cpuSeconds = ProcessCpuSeconds() - cpuStart;

    result.lastRow.assign(static_cast<size_t>(w), 0.0f);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, in.framebuffer);
    glReadPixels(0, h - 1, w, 1, GL_RED, GL_FLOAT, result.lastRow.data());

    glDeleteBuffers(1, &vbo);
    glDeleteVertexArrays(1, &vao);
    glDeleteSamplers(1, &sampler);
    glDeleteProgram(row);
    glDeleteProgram(sub);
    FreeTarget(in);
    FreeTarget(pong);
    FreeTarget(temp);
    kd3d9::DestroyGlContext(adapter.display, context);
    kd3d9::ReleaseAdapter();
    return true;
}

}  // namespace bench
