#include "egl_adapter.h"

#include <dlfcn.h>
#include <epoxy/gl.h>

#include <cstring>
#include <vector>

#include "gl_objects.h"

namespace kd3d9 {
namespace {

struct OpenAdapter {
    AdapterInfo info;
    int users = 0;
};
OpenAdapter adapter;

thread_local EGLContext currentContext = EGL_NO_CONTEXT;

bool HasWord(const char* list, const char* word) {
    if (list == nullptr) return false;
    const size_t n = std::strlen(word);
    for (const char* p = list; (p = std::strstr(p, word)) != nullptr; p += n) {
        const bool startOk = p == list || p[-1] == ' ';
        const bool endOk = p[n] == '\0' || p[n] == ' ';
        if (startOk && endOk) return true;
    }
    return false;
}

bool SoftwareRenderer(const std::string& renderer) {
    for (const char* name : {"llvmpipe", "softpipe", "swrast"})
        if (renderer.find(name) != std::string::npos) return true;
    return false;
}

// Initialises the display of `device` and checks that it gives what the
// stand-in needs; fills `info` from a short-lived context. A device that
// claims to be hardware but renders in software (a driver falling back) is
// refused when `hardware` is asked for.
bool TryDevice(EGLDeviceEXT device, bool hardware, AdapterInfo& info) {
    EGLDisplay display = eglGetPlatformDisplayEXT(EGL_PLATFORM_DEVICE_EXT, device, nullptr);
    if (display == EGL_NO_DISPLAY) return false;
    EGLint major = 0, minor = 0;
    if (!eglInitialize(display, &major, &minor)) return false;
    const char* ext = eglQueryString(display, EGL_EXTENSIONS);
    if (!HasWord(ext, "EGL_KHR_surfaceless_context") || !eglBindAPI(EGL_OPENGL_API)) {
        eglTerminate(display);
        return false;
    }
    EGLContext context = CreateGlContext(display);
    if (context == EGL_NO_CONTEXT) {
        eglTerminate(display);
        return false;
    }
    bool ok = MakeContextCurrent(display, context);
    if (ok) {
        const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
        GLint maxSize = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
        info.display = display;
        info.renderer = renderer ? renderer : "";
        info.version = version ? version : "";
        info.maxTextureSize = maxSize;
        info.mirrorClampToEdge =
            epoxy_gl_version() >= 44 || epoxy_has_gl_extension("GL_ARB_texture_mirror_clamp_to_edge");
        ok = epoxy_gl_version() >= 33 && maxSize > 0 && !(hardware && SoftwareRenderer(info.renderer));
    }
    DestroyGlContext(display, context);
    if (!ok) eglTerminate(display);
    return ok;
}

// libepoxy ends the process when it cannot load EGL or GL; a machine without
// them must see a null Direct3D object instead.
bool LibrariesPresent() {
    static const bool present = [] {
        const bool egl = dlopen("libEGL.so.1", RTLD_LAZY | RTLD_LOCAL) != nullptr;
        const bool gl = dlopen("libOpenGL.so.0", RTLD_LAZY | RTLD_LOCAL) != nullptr ||
                        dlopen("libGL.so.1", RTLD_LAZY | RTLD_LOCAL) != nullptr;
        return egl && gl;  // the handles stay open for libepoxy
    }();
    return present;
}

bool OpenFirstDevice(AdapterInfo& info) {
    if (!LibrariesPresent()) return false;
    const char* clientExt = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    if (!HasWord(clientExt, "EGL_EXT_platform_device") ||
        !HasWord(clientExt, "EGL_EXT_device_enumeration"))
        return false;
    EGLint count = 0;
    if (!eglQueryDevicesEXT(0, nullptr, &count) || count <= 0) return false;
    std::vector<EGLDeviceEXT> devices(static_cast<size_t>(count));
    if (!eglQueryDevicesEXT(count, devices.data(), &count)) return false;
    devices.resize(static_cast<size_t>(count));

    // Hardware devices first, in the driver's order; software ones after.
    std::vector<EGLDeviceEXT> hardware, software;
    for (EGLDeviceEXT d : devices) {
        const char* devExt = eglQueryDeviceStringEXT(d, EGL_EXTENSIONS);
        (HasWord(devExt, "EGL_MESA_device_software") ? software : hardware).push_back(d);
    }
    for (EGLDeviceEXT d : hardware)
        if (TryDevice(d, true, info)) return true;
    // Software rendering: Mesa's software device, else whatever renders at all.
    for (const std::vector<EGLDeviceEXT>* list : {&software, &hardware})
        for (EGLDeviceEXT d : *list)
            if (TryDevice(d, false, info)) {
                info.software = true;
                return true;
            }
    return false;
}

}  // namespace

bool AcquireAdapter(AdapterInfo& info) {
    if (adapter.users == 0) {
        AdapterInfo fresh;
        if (!OpenFirstDevice(fresh)) return false;
        adapter.info = fresh;
    }
    ++adapter.users;
    info = adapter.info;
    return true;
}

void ReleaseAdapter() {
    if (adapter.users <= 0) return;
    if (--adapter.users == 0) {
        MakeContextCurrent(adapter.info.display, EGL_NO_CONTEXT);
        eglTerminate(adapter.info.display);
        eglReleaseThread();
        adapter.info = AdapterInfo();
    }
}

EGLContext CreateGlContext(EGLDisplay display) {
    if (!eglBindAPI(EGL_OPENGL_API)) return EGL_NO_CONTEXT;
    const EGLint attribs[] = {EGL_CONTEXT_MAJOR_VERSION, 3,
                              EGL_CONTEXT_MINOR_VERSION, 3,
                              EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
                              EGL_NONE};
    EGLConfig config = EGL_NO_CONFIG_KHR;
    if (!HasWord(eglQueryString(display, EGL_EXTENSIONS), "EGL_KHR_no_config_context")) {
        const EGLint want[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
        EGLint found = 0;
        if (!eglChooseConfig(display, want, &config, 1, &found) || found < 1)
            return EGL_NO_CONTEXT;
    }
    EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, attribs);
    if (context != EGL_NO_CONTEXT) CountContext(1);
    return context;
}

void DestroyGlContext(EGLDisplay display, EGLContext context) {
    if (context == EGL_NO_CONTEXT) return;
    if (currentContext == context) MakeContextCurrent(display, EGL_NO_CONTEXT);
    eglDestroyContext(display, context);
    CountContext(-1);
}

bool MakeContextCurrent(EGLDisplay display, EGLContext context) {
    if (context == currentContext) return true;
    if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) return false;
    currentContext = context;
    return true;
}

}  // namespace kd3d9
