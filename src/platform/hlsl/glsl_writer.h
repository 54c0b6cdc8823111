#pragma once
// Writes one pass's pixel shader as a GLSL 330 core fragment shader.
#include <vector>

#include "ast.h"
#include "diagnostics.h"
#include "hlsl/effect.h"

namespace hlsl {

// `entry` is the checked entry function, `uniformArgs` the compile
// arguments (checked, converted to the entry's uniform parameter types, in
// order). Fills out.fragmentGlsl, out.uniforms and out.samplers; returns
// false after reporting what cannot be translated.
bool WriteGlsl(const Module& module, const Function& entry, const std::vector<Expr*>& uniformArgs, Loc at,
               Diagnostics& diag, PassDesc& out);

}  // namespace hlsl
