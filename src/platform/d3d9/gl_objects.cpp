#include "gl_objects.h"

namespace kd3d9 {
namespace {

long liveObjects = 0;
long liveContexts = 0;

GLuint Counted(GLuint name) {
    if (name != 0) ++liveObjects;
    return name;
}

void Uncount(GLuint name) {
    if (name != 0) --liveObjects;
}

}  // namespace

GLuint GenTexture() {
    GLuint n = 0;
    glGenTextures(1, &n);
    return Counted(n);
}
GLuint GenFramebuffer() {
    GLuint n = 0;
    glGenFramebuffers(1, &n);
    return Counted(n);
}
GLuint GenBuffer() {
    GLuint n = 0;
    glGenBuffers(1, &n);
    return Counted(n);
}
GLuint GenVertexArray() {
    GLuint n = 0;
    glGenVertexArrays(1, &n);
    return Counted(n);
}
GLuint GenSampler() {
    GLuint n = 0;
    glGenSamplers(1, &n);
    return Counted(n);
}
GLuint CreateShader(GLenum type) { return Counted(glCreateShader(type)); }
GLuint CreateProgram() { return Counted(glCreateProgram()); }

void DeleteTexture(GLuint name) {
    if (name == 0) return;
    glDeleteTextures(1, &name);
    Uncount(name);
}
void DeleteFramebuffer(GLuint name) {
    if (name == 0) return;
    glDeleteFramebuffers(1, &name);
    Uncount(name);
}
void DeleteBuffer(GLuint name) {
    if (name == 0) return;
    glDeleteBuffers(1, &name);
    Uncount(name);
}
void DeleteVertexArray(GLuint name) {
    if (name == 0) return;
    glDeleteVertexArrays(1, &name);
    Uncount(name);
}
void DeleteSampler(GLuint name) {
    if (name == 0) return;
    glDeleteSamplers(1, &name);
    Uncount(name);
}
void DeleteShader(GLuint name) {
    if (name == 0) return;
    glDeleteShader(name);
    Uncount(name);
}
void DeleteProgram(GLuint name) {
    if (name == 0) return;
    glDeleteProgram(name);
    Uncount(name);
}

long LiveGlObjects() { return liveObjects; }
long LiveContexts() { return liveContexts; }
void CountContext(int delta) { liveContexts += delta; }

void ClearGlErrors() {
    // Bounded: a lost context may report errors for ever.
    for (int i = 0; i < 32 && glGetError() != GL_NO_ERROR; ++i) {
    }
}

}  // namespace kd3d9
