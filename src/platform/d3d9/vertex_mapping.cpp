#include "vertex_mapping.h"

#include <cstring>

namespace kd3d9 {

void MapPretransformedVertices(const void* vertices, size_t count, size_t stride, bool hasTexCoord,
                               float targetWidth, float targetHeight, float* out) {
    const unsigned char* src = static_cast<const unsigned char*>(vertices);
    for (size_t i = 0; i < count; ++i, src += stride, out += kMappedVertexFloats) {
        float v[6] = {0, 0, 0, 1, 0, 0};
        std::memcpy(v, src, (hasTexCoord ? 6 : 4) * sizeof(float));
        const float w = 1.0f / v[3];
        const float xNdc = 2.0f * (v[0] + 0.5f) / targetWidth - 1.0f;
        const float yNdc = 2.0f * (v[1] + 0.5f) / targetHeight - 1.0f;
        const float zNdc = 2.0f * v[2] - 1.0f;
        out[0] = xNdc * w;
        out[1] = yNdc * w;
        out[2] = zNdc * w;
        out[3] = w;
        out[4] = v[4];
        out[5] = v[5];
    }
}

}  // namespace kd3d9
