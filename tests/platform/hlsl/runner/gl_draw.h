#pragma once
// Runs the passes of a compiled effect on the current GL context the way the
// Direct3D 9 stand-in does: a screen-aligned quad with texture coordinates at
// texel centres, parameters and textures bound as the effect describes.
#include <string>
#include <vector>

#include "case_file.h"
#include "hlsl/effect.h"

namespace hlsltest {

// Draws run.technique (all passes, or run.pass) into a run.width x run.height
// RGBA32F target cleared to run.clear and reads it back, row 0 first, four
// floats per texel. Returns false with a message on any set-up failure.
bool DrawRun(const hlsl::Effect& effect, const Run& run, std::vector<float>& pixels, std::string& error);

}  // namespace hlsltest
