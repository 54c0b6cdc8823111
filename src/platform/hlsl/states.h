#pragma once
// Names and values of the effect states a pass or a sampler_state block
// may set, read case-insensitively.
#include <cstdint>
#include <string>

#include "ast.h"
#include "hlsl/effect.h"

namespace hlsl {

enum class StateClass {
    Unknown,
    Render,        // a render state: canonical name and numeric value
    Shader,        // PixelShader, VertexShader
    Ignored,       // known states that do not matter here (texture stages, transforms, ...)
};

std::string Lower(const std::string& s);

// Classifies a pass state name (any case).
StateClass PassStateClass(const std::string& name);

// Resolves a render state's value. Fills `state` and returns true; on a bad
// value returns false and `error` says why.
bool RenderStateValue(const StateAssignment& a, RenderState& state, std::string& error);

// Applies one sampler_state entry (other than Texture) to `desc`.
// Returns false with `error` for an unknown state or value.
bool ApplySamplerState(const StateAssignment& a, SamplerDesc& desc, std::string& error);

}  // namespace hlsl
