#pragma once
// Entry points of the stand-in below the Direct3D/D3DX surface: building an
// effect from a compiled description, and the live-object counters that the
// lifetime tests read.
#include <string>

#include "d3dx9.h"
#include "hlsl/effect.h"

namespace kd3d9 {

// Links one GL program per pass of `effect` on `device`. On failure returns a
// failing result and, when `errors` is given, appends a line per problem.
HRESULT CreateEffectFromDescription(IDirect3DDevice9* device, const hlsl::Effect& effect,
                                    const std::string& fileName, ID3DXEffect** ppEffect,
                                    std::string* errors);

long LiveGlObjects();
long LiveContexts();

}  // namespace kd3d9
