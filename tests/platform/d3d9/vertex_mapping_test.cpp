#include <gtest/gtest.h>

#include "vertex_mapping.h"

namespace {

struct MappingCase {
    float x, y, z, rhw;
    float width, height;
    float clip[4];  // expected clip x, y, z, w
};

// Direct3D pixel centres (whole numbers) land on GL pixel centres; the edges
// of the target quad land on the edges of clip space; rows are not flipped.
TEST(VertexMapping, PixelCoordinatesToClipSpace) {
    const MappingCase cases[] = {
        {-0.5f, -0.5f, 0.0f, 1.0f, 4, 2, {-1.0f, -1.0f, -1.0f, 1.0f}},
        {3.5f, 1.5f, 0.0f, 1.0f, 4, 2, {1.0f, 1.0f, -1.0f, 1.0f}},
        {0.0f, 0.0f, 0.5f, 1.0f, 4, 2, {-0.75f, -0.5f, 0.0f, 1.0f}},
        {0.5f, 0.5f, 1.0f, 0.5f, 1, 1, {2.0f, 2.0f, 2.0f, 2.0f}},  // w = 1 / rhw scales all
    };
    for (const MappingCase& c : cases) {
        const float in[6] = {c.x, c.y, c.z, c.rhw, 0.25f, 0.75f};
        float out[kd3d9::kMappedVertexFloats];
        kd3d9::MapPretransformedVertices(in, 1, sizeof(in), true, c.width, c.height, out);
        for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(out[i], c.clip[i]) << "component " << i;
        EXPECT_EQ(out[4], 0.25f);
        EXPECT_EQ(out[5], 0.75f);
    }
}

TEST(VertexMapping, HonoursStrideAndMissingTexCoords) {
    const float in[2][8] = {{0, 0, 0, 1, 9, 9, 9, 9}, {1, 1, 0, 1, 9, 9, 9, 9}};
    float out[2 * kd3d9::kMappedVertexFloats];
    kd3d9::MapPretransformedVertices(in, 2, sizeof(in[0]), false, 2, 2, out);
    EXPECT_FLOAT_EQ(out[0], -0.5f);
    EXPECT_EQ(out[4], 0.0f);  // no texture coordinates: (0, 0)
    EXPECT_FLOAT_EQ(out[kd3d9::kMappedVertexFloats + 0], 0.5f);
    EXPECT_FLOAT_EQ(out[kd3d9::kMappedVertexFloats + 1], 0.5f);
}

}  // namespace
