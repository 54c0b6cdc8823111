#pragma once
// A headless OpenGL 3.3 core context through EGL, without any surface.
#include <string>

namespace hlsltest {

// Makes a surfaceless GL 3.3 core context current on this thread. Prefers
// Mesa's software device (llvmpipe) through EGL_EXT_platform_device, then the
// surfaceless platform, then the default display. On failure returns false
// and says why in `error`.
bool CreateHeadlessContext(std::string& renderer, std::string& error);

}  // namespace hlsltest
