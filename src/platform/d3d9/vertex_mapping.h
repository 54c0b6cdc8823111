#pragma once
// Pre-transformed vertices (D3DFVF_XYZRHW) to GL clip space.
//
// Direct3D 9 puts pixel centres on whole screen coordinates, GL on half
// coordinates; screen row y of a target is memory row y of its texture, which
// is also GL window row y, so there is no flip:
//   x_ndc = 2 (x + 0.5) / W - 1,  y_ndc = 2 (y + 0.5) / H - 1,  z_ndc = 2 z - 1,
//   clip = (x_ndc, y_ndc, z_ndc, 1) / rhw.
#include <cstddef>

namespace kd3d9 {

// Floats per mapped vertex: clip x, y, z, w, then u, v.
constexpr size_t kMappedVertexFloats = 6;

// Maps `count` vertices of `stride` bytes, each starting with x, y, z, rhw
// and, when `hasTexCoord`, followed by u, v, into `out`
// (count * kMappedVertexFloats floats).
void MapPretransformedVertices(const void* vertices, size_t count, size_t stride, bool hasTexCoord,
                               float targetWidth, float targetHeight, float* out);

}  // namespace kd3d9
