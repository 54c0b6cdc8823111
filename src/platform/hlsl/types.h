#pragma once
// HLSL types as the checker sees them.
#include <string>

namespace hlsl {

struct StructDef;

enum class Base : uint8_t { Error, Void, Bool, Int, Uint, Float, Sampler, Texture, String, Struct };
enum class Shape : uint8_t { Scalar, Vector, Matrix };

struct Type {
    Base base = Base::Error;
    Shape shape = Shape::Scalar;
    uint8_t rows = 1;  // matrix rows; 1 otherwise
    uint8_t cols = 1;  // vector size or matrix columns
    int arraySize = 0; // 0: not an array
    const StructDef* structDef = nullptr;

    static Type Scalar(Base b) { return Type{b, Shape::Scalar, 1, 1, 0, nullptr}; }
    static Type Vector(Base b, int n) { return Type{b, Shape::Vector, 1, static_cast<uint8_t>(n), 0, nullptr}; }
    static Type Matrix(Base b, int r, int c)
    {
        return Type{b, Shape::Matrix, static_cast<uint8_t>(r), static_cast<uint8_t>(c), 0, nullptr};
    }

    bool IsError() const { return base == Base::Error; }
    bool IsArray() const { return arraySize > 0; }
    bool IsNumeric() const
    {
        return !IsArray() && (base == Base::Bool || base == Base::Int || base == Base::Uint || base == Base::Float);
    }
    bool IsScalarLike() const { return IsNumeric() && Count() == 1 && shape != Shape::Matrix; }
    int Count() const { return rows * cols; }
    Type Element() const
    {
        Type t = *this;
        t.arraySize = 0;
        return t;
    }
    Type WithBase(Base b) const
    {
        Type t = *this;
        t.base = b;
        return t;
    }
};

bool SameType(const Type& a, const Type& b);
// HLSL spelling: "float4", "float3x3", "S", "float[4]".
std::string TypeName(const Type& t);

}  // namespace hlsl
