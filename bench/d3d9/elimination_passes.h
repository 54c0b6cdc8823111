#pragma once
// The elimination's two passes as GLSL, shared by both sides of the bench:
// "poctyRow" writes the factor column f[y] = A[y][k] / A[k][k] into a 1 x n
// target; "poctySubMat" writes A[y][x] - f[y] A[k][x] below and right of the
// pivot and copies every other texel. COLOR1 = (width, height, 1, k).
namespace bench {

inline const char* kRowGlsl =
    "#version 330 core\n"
    "in vec4 kd_TEXCOORD0;\n"
    "layout(location = 0) out vec4 kd_COLOR0;\n"
    "uniform vec4 COLOR1;\n"
    "uniform sampler2D mytexSampler;\n"
    "void main() {\n"
    "  float u = (COLOR1.w + 0.5) / COLOR1.x;\n"
    "  float a = texture(mytexSampler, vec2(u, kd_TEXCOORD0.y)).r;\n"
    "  float p = texture(mytexSampler, vec2(u, (COLOR1.w + 0.5) / COLOR1.y)).r;\n"
    "  kd_COLOR0 = vec4(a / p);\n"
    "}\n";

inline const char* kSubMatGlsl =
    "#version 330 core\n"
    "in vec4 kd_TEXCOORD0;\n"
    "layout(location = 0) out vec4 kd_COLOR0;\n"
    "uniform vec4 COLOR1;\n"
    "uniform sampler2D mytexSampler;\n"
    "uniform sampler2D mytexTempSampler;\n"
    "void main() {\n"
    "  float a = texture(mytexSampler, kd_TEXCOORD0.xy).r;\n"
    "  float x = floor(kd_TEXCOORD0.x * COLOR1.x);\n"
    "  float y = floor(kd_TEXCOORD0.y * COLOR1.y);\n"
    "  if (y > COLOR1.w && x >= COLOR1.w) {\n"
    "    float f = texture(mytexTempSampler, vec2(0.5, kd_TEXCOORD0.y)).r;\n"
    "    float r = texture(mytexSampler, vec2(kd_TEXCOORD0.x, (COLOR1.w + 0.5) / COLOR1.y)).r;\n"
    "    a = a - f * r;\n"
    "  }\n"
    "  kd_COLOR0 = vec4(a);\n"
    "}\n";

}  // namespace bench
