#pragma once
// The elimination passes of the GPU back-end written straight against
// OpenGL 3.3 core through EGL, with the GLSL that the effect compiler makes
// of kordane02_DX9.fx: the yardstick for the Direct3D 9 stand-in's overhead.
#include <epoxy/egl.h>
#include <epoxy/gl.h>

#include <map>
#include <string>
#include <vector>

struct BareGlPass {
    GLuint program = 0;
    GLint color1 = -1;
    GLint targetSize = -1;
    std::map<std::string, GLint> samplerUnits;  // texture parameter -> unit
};

struct BareGlElimination {
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLContext context = EGL_NO_CONTEXT;
    std::string renderer;
    int width = 0;
    int height = 0;
    std::vector<float> matrix;
    BareGlPass row, subMat;
    GLuint vertexArray = 0, buffer = 0, sampler = 0;
};

// Compiles the effect and prepares the passes for a width x height matrix.
// Returns false with `error` set when anything fails.
bool OpenBareGl(BareGlElimination& gl, const std::string& effectSource, const std::vector<float>& matrix, int width,
                int height, std::string& error);

// One elimination like DX9gpgpu::Render (zeroed factor and pong textures
// made per call, two passes per pivot) on the uploaded input, finished on
// the card; returns its milliseconds and the result's last row.
double RunBareGlElimination(BareGlElimination& gl, std::vector<float>& lastRow);

void CloseBareGl(BareGlElimination& gl);
