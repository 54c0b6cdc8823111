#pragma once
// The adapter: one EGL display on an EGL device, reached without a window
// system, and the GL 3.3 core contexts made on it.
#include <epoxy/egl.h>
#include <string>

namespace kd3d9 {

struct AdapterInfo {
    EGLDisplay display = EGL_NO_DISPLAY;
    std::string renderer;  // GL_RENDERER
    std::string version;   // GL_VERSION
    int maxTextureSize = 0;
    bool software = false;           // Mesa's software device
    bool mirrorClampToEdge = false;  // GL 4.4 or ARB_texture_mirror_clamp_to_edge
};

// Opens adapter 0: the first hardware EGL device (one without
// EGL_MESA_device_software) that gives a GL 3.3 core context, otherwise the
// software device. The display stays initialised while anyone holds it.
bool AcquireAdapter(AdapterInfo& info);
void ReleaseAdapter();

// A surfaceless GL 3.3 core context on the adapter's display.
EGLContext CreateGlContext(EGLDisplay display);
void DestroyGlContext(EGLDisplay display, EGLContext context);

// Makes `context` current on this thread unless it is already.
bool MakeContextCurrent(EGLDisplay display, EGLContext context);

}  // namespace kd3d9
