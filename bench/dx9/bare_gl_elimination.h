#pragma once
// The elimination passes of the GPU back-end written straight against
// OpenGL 3.3 core through EGL, with the GLSL that the effect compiler makes
// of kordane02_DX9.fx: the yardstick for the Direct3D 9 stand-in's overhead.
#include <string>
#include <vector>

struct BareGlResult {
    double milliseconds = 0;               // one elimination, finished on the card
    std::vector<float> lastRow;            // for a check against the back-end
    std::string renderer;
};

// Compiles the effect, uploads the width x height matrix and times `reps`
// eliminations (each like DX9gpgpu::Render: zeroed factor and pong textures
// made per call, two passes per pivot, glFinish at the end); returns the
// fastest. Empty renderer on failure, with `error` set.
BareGlResult RunBareGlElimination(const std::string& effectSource, const std::vector<float>& matrix, int width,
                                  int height, int reps, std::string& error);
