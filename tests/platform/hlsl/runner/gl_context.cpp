#include "gl_context.h"

#include <epoxy/egl.h>
#include <epoxy/gl.h>

#include <vector>

namespace hlsltest {
namespace {

bool HasClientExtension(const char* name)
{
    return epoxy_has_egl_extension(EGL_NO_DISPLAY, name);
}

// Software device first: the tests compare bit patterns, and llvmpipe is
// what CI has, so a GPU on the developer's machine must not change results.
EGLDisplay DeviceDisplay()
{
    if (!HasClientExtension("EGL_EXT_device_enumeration") && !HasClientExtension("EGL_EXT_device_base"))
        return EGL_NO_DISPLAY;
    if (!HasClientExtension("EGL_EXT_platform_device"))
        return EGL_NO_DISPLAY;
    EGLint count = 0;
    if (!eglQueryDevicesEXT(0, nullptr, &count) || count <= 0)
        return EGL_NO_DISPLAY;
    std::vector<EGLDeviceEXT> devices(count);
    if (!eglQueryDevicesEXT(count, devices.data(), &count))
        return EGL_NO_DISPLAY;
    EGLDeviceEXT chosen = devices[0];
    for (EGLint i = 0; i < count; ++i) {
        const char* ext = eglQueryDeviceStringEXT(devices[i], EGL_EXTENSIONS);
        if (ext && std::string(ext).find("EGL_MESA_device_software") != std::string::npos) {
            chosen = devices[i];
            break;
        }
    }
    return eglGetPlatformDisplayEXT(EGL_PLATFORM_DEVICE_EXT, chosen, nullptr);
}

bool TryDisplay(EGLDisplay display, std::string& renderer, std::string& error)
{
    if (display == EGL_NO_DISPLAY)
        return false;
    EGLint major = 0, minor = 0;
    if (!eglInitialize(display, &major, &minor)) {
        error += "eglInitialize failed; ";
        return false;
    }
    if (!eglBindAPI(EGL_OPENGL_API)) {
        error += "eglBindAPI(EGL_OPENGL_API) failed; ";
        return false;
    }
    if (!epoxy_has_egl_extension(display, "EGL_KHR_surfaceless_context")) {
        error += "no EGL_KHR_surfaceless_context; ";
        return false;
    }
    EGLConfig config = nullptr;
    if (!epoxy_has_egl_extension(display, "EGL_KHR_no_config_context")) {
        const EGLint attribs[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
        EGLint n = 0;
        if (!eglChooseConfig(display, attribs, &config, 1, &n) || n < 1) {
            error += "no EGL config for desktop GL; ";
            return false;
        }
    }
    const EGLint contextAttribs[] = {
        EGL_CONTEXT_MAJOR_VERSION, 3,
        EGL_CONTEXT_MINOR_VERSION, 3,
        EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
        EGL_NONE};
    EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttribs);
    if (context == EGL_NO_CONTEXT) {
        error += "no GL 3.3 core context; ";
        return false;
    }
    if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) {
        error += "eglMakeCurrent failed; ";
        return false;
    }
    const char* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    renderer = name ? name : "(unknown)";
    return true;
}

}  // namespace

bool CreateHeadlessContext(std::string& renderer, std::string& error)
{
    error.clear();
    if (TryDisplay(DeviceDisplay(), renderer, error))
        return true;
    if (HasClientExtension("EGL_MESA_platform_surfaceless")
        && TryDisplay(eglGetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr),
                      renderer, error))
        return true;
    if (TryDisplay(eglGetDisplay(EGL_DEFAULT_DISPLAY), renderer, error))
        return true;
    if (error.empty())
        error = "no EGL display";
    return false;
}

}  // namespace hlsltest
