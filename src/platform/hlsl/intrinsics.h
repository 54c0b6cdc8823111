#pragma once
// The intrinsic functions the compiler knows, by name.
#include <string>

namespace hlsl {

enum class Intrinsic : int {
    // float element-wise, one argument
    Ceil, Cos, Exp, Exp2, Floor, Frac, Log, Log2, Log10, Rcp, Round, Rsqrt, Saturate, Sin, Sqrt, Trunc,
    Tan, Asin, Acos, Atan, Degrees, Radians, Ddx, Ddy, Fwidth, Normalize,
    // numeric element-wise keeping int
    Abs, Sign,
    // float element-wise, two or three arguments
    Fmod, Pow, Step, Atan2, Lerp, Smoothstep,
    // numeric element-wise keeping int, two or three arguments
    Max, Min, Clamp,
    // reductions and the rest
    Dot, Length, Distance, All, Any, Cross, Mul, Clip, Transpose, Reflect,
    Tex2D, Tex2DLod, Tex2DProj, Tex2DBias, Tex2DGrad,
    Mad, Determinant, IsNan, IsInf, IsFinite, AsFloat, AsInt, AsUint, Ldexp, Faceforward, Refract, Sincos, Modf,
    Count
};

// -1 when `name` is no intrinsic.
int FindIntrinsic(const std::string& name);
const char* IntrinsicName(int id);

}  // namespace hlsl
