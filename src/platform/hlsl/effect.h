#pragma once
// What the HLSL effect compiler hands to the Direct3D 9 stand-in: the effect's
// parameters, samplers, techniques and passes, each pass with a GLSL 330 core
// fragment shader and the bindings its uniforms and samplers need. No GL here.
//
// Contract between the generated fragment shaders and the stand-in's fixed
// vertex shader for pre-transformed vertices:
//   inputs   in vec4 kd_TEXCOORD0 .. kd_TEXCOORD7  (TEXCOORDn; unused ones are (0,0,0,1))
//            in vec4 kd_COLOR0, kd_COLOR1          (diffuse (1,1,1,1), specular (0,0,0,0))
//   outputs  layout(location = n) out vec4 kd_TARGETn  (render target n; COLORn semantic)
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hlsl {

enum class Severity { Error, Warning };

struct Diagnostic {
    std::string file;
    int line = 0;
    int column = 0;
    Severity severity = Severity::Error;
    std::string code;  // "X3000"
    std::string text;
};

// "file(line,col): error X3000: text" (or "warning"), no line end.
std::string FormatDiagnostic(const Diagnostic& d);
// Every diagnostic, one per line, each ended by "\n".
std::string FormatDiagnostics(const std::vector<Diagnostic>& diagnostics);

enum class ParameterType { Float, Int, Bool, Texture, Sampler };

// A global that the application can set (uniform, non-static).
struct ParameterDesc {
    std::string name;
    ParameterType type = ParameterType::Float;
    int rows = 1;        // float4: 1 x 4; float4x4: 4 x 4; scalar: 1 x 1
    int columns = 1;
    int arraySize = 0;   // 0: not an array
    std::string semantic;
    // Initial value, row-major, rows x columns x max(arraySize, 1) numbers;
    // empty when the declaration has no initialiser (the value is then zero).
    std::vector<float> initialValue;
};

enum class Filter { None, Point, Linear, Anisotropic };
enum class Address { Wrap, Mirror, Clamp, Border, MirrorOnce };

// A sampler_state block; defaults are Direct3D 9's.
struct SamplerDesc {
    std::string name;
    std::string texture;  // name of the texture parameter it reads; empty when none
    Filter minFilter = Filter::Point;
    Filter magFilter = Filter::Point;
    Filter mipFilter = Filter::None;
    Address addressU = Address::Wrap;
    Address addressV = Address::Wrap;
    Address addressW = Address::Wrap;
    uint32_t borderColor = 0;  // D3DCOLOR, ARGB
};

// A render state of a pass: canonical lower-case Direct3D 9 name without the
// D3DRS_ prefix ("cullmode", "zenable", "alphablendenable", ...) and its
// numeric Direct3D 9 value (CullMode = None gives 1).
struct RenderState {
    std::string name;
    uint32_t value = 0;
};

// How the stand-in uploads one uniform of a pass.
//   Float, Int, Bool: glUniform{columns}{f,i}v with max(arraySize,1) elements (Bool as int)
//   Matrix: glUniformMatrix{columns}x{rows}fv, transpose GL_TRUE, row-major values
enum class UniformKind { Float, Int, Bool, Matrix };

struct UniformBinding {
    std::string glslName;   // name in the pass's GLSL
    std::string parameter;  // ParameterDesc::name whose current value it takes
    UniformKind kind = UniformKind::Float;
};

struct SamplerBinding {
    std::string glslName;  // sampler2D uniform in the pass's GLSL
    std::string sampler;   // SamplerDesc::name
    int unit = 0;          // texture unit the stand-in binds it to
};

struct PassDesc {
    std::string name;
    std::string fragmentGlsl;  // complete "#version 330 core" source
    std::vector<UniformBinding> uniforms;
    std::vector<SamplerBinding> samplers;
    std::vector<RenderState> renderStates;
};

struct TechniqueDesc {
    std::string name;
    std::vector<PassDesc> passes;
};

struct Effect {
    std::vector<ParameterDesc> parameters;  // declaration order
    std::vector<SamplerDesc> samplers;
    std::vector<TechniqueDesc> techniques;  // declaration order
};

struct CompileResult {
    std::optional<Effect> effect;  // empty when any error was reported
    std::vector<Diagnostic> diagnostics;
};

// Reads an included file; returns false when it cannot.
using FileReader = std::function<bool(const std::string& path, std::string& contents)>;

// Reads a file from disk.
bool ReadFileFromDisk(const std::string& path, std::string& contents);

// Compiles effect source `source`, named `fileName` in diagnostics and used
// to resolve #include "..." relative to it. The compile runs on a thread of
// its own with a large stack (readFile is called there); the caller waits.
CompileResult CompileEffect(std::string_view source, const std::string& fileName,
                            const FileReader& readFile = ReadFileFromDisk);

}  // namespace hlsl
