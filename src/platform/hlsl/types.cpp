#include "types.h"

#include "ast.h"

namespace hlsl {

bool SameType(const Type& a, const Type& b)
{
    return a.base == b.base && a.shape == b.shape && a.rows == b.rows && a.cols == b.cols &&
           a.arraySize == b.arraySize && a.structDef == b.structDef;
}

std::string TypeName(const Type& t)
{
    std::string s;
    switch (t.base) {
    case Base::Error: s = "<error>"; break;
    case Base::Void: s = "void"; break;
    case Base::Bool: s = "bool"; break;
    case Base::Int: s = "int"; break;
    case Base::Uint: s = "uint"; break;
    case Base::Float: s = "float"; break;
    case Base::Sampler: s = "sampler"; break;
    case Base::Texture: s = "texture"; break;
    case Base::String: s = "string"; break;
    case Base::Struct: s = t.structDef && !t.structDef->name.empty() ? "struct " + t.structDef->name : "struct"; break;
    }
    if (t.shape == Shape::Vector) s += std::to_string(t.cols);
    if (t.shape == Shape::Matrix) s += std::to_string(t.rows) + "x" + std::to_string(t.cols);
    if (t.arraySize > 0) ((s += '[') += std::to_string(t.arraySize)) += ']';
    return s;
}

}  // namespace hlsl
