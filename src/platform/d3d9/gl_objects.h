#pragma once
// GL object names made and freed through one place, so that the stand-in can
// tell how many are alive (the lifetime tests rely on it).
#include <epoxy/gl.h>

namespace kd3d9 {

GLuint GenTexture();
GLuint GenFramebuffer();
GLuint GenBuffer();
GLuint GenVertexArray();
GLuint GenSampler();
GLuint CreateShader(GLenum type);
GLuint CreateProgram();

void DeleteTexture(GLuint name);
void DeleteFramebuffer(GLuint name);
void DeleteBuffer(GLuint name);
void DeleteVertexArray(GLuint name);
void DeleteSampler(GLuint name);
void DeleteShader(GLuint name);
void DeleteProgram(GLuint name);

// GL objects and EGL contexts alive in the process.
long LiveGlObjects();
long LiveContexts();
void CountContext(int delta);

// Drops pending GL errors so that the next glGetError() speaks of what follows.
void ClearGlErrors();

}  // namespace kd3d9
