#include "formats.h"

namespace kd3d9 {
namespace {

// Direct3D 9 samples missing channels as 1: an R32F texel reads (r, 1, 1, 1).
const FormatInfo formats[] = {
    {D3DFMT_R32F, 4, GL_R32F, GL_RED, GL_FLOAT, {GL_RED, GL_ONE, GL_ONE, GL_ONE}},
    {D3DFMT_A32B32G32R32F, 16, GL_RGBA32F, GL_RGBA, GL_FLOAT,
     {GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA}},
    // ARGB in a little-endian DWORD is B, G, R, A in memory.
    {D3DFMT_A8R8G8B8, 4, GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE,
     {GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA}},
    {D3DFMT_X8R8G8B8, 4, GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE,
     {GL_RED, GL_GREEN, GL_BLUE, GL_ONE}},
};

}  // namespace

const FormatInfo* FindFormat(D3DFORMAT format) {
    for (const FormatInfo& f : formats)
        if (f.format == format) return &f;
    return nullptr;
}

}  // namespace kd3d9
