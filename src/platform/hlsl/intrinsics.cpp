#include "intrinsics.h"

#include <unordered_map>

namespace hlsl {

namespace {
const char* const kNames[] = {
    "ceil", "cos", "exp", "exp2", "floor", "frac", "log", "log2", "log10", "rcp", "round", "rsqrt", "saturate",
    "sin", "sqrt", "trunc", "tan", "asin", "acos", "atan", "degrees", "radians", "ddx", "ddy", "fwidth",
    "normalize", "abs", "sign", "fmod", "pow", "step", "atan2", "lerp", "smoothstep", "max", "min", "clamp",
    "dot", "length", "distance", "all", "any", "cross", "mul", "clip", "transpose", "reflect", "tex2D",
    "tex2Dlod", "tex2Dproj", "tex2Dbias", "tex2Dgrad", "mad", "determinant", "isnan", "isinf", "isfinite",
    "asfloat", "asint", "asuint", "ldexp", "faceforward", "refract", "sincos", "modf",
};
static_assert(sizeof(kNames) / sizeof(kNames[0]) == static_cast<size_t>(Intrinsic::Count));
}  // namespace

int FindIntrinsic(const std::string& name)
{
    static const std::unordered_map<std::string, int> map = [] {
        std::unordered_map<std::string, int> m;
        for (int i = 0; i < static_cast<int>(Intrinsic::Count); ++i) m[kNames[i]] = i;
        return m;
    }();
    auto it = map.find(name);
    return it == map.end() ? -1 : it->second;
}

const char* IntrinsicName(int id) { return kNames[id]; }

}  // namespace hlsl
