#pragma once
// Shared by the DX9gpgpu operations: effect loading, the pass loop, the
// screen-space geometry and reference release.
#include <string>

#include "dx9_gpgpu.h"

// Error treats its text as a format; `text` with every '%' doubled is shown
// by it exactly as written.
std::string EscapeFormat(const char* text);

// Compiles kordane02_DX9.fx on pDevice and returns the effect. A failure ends
// the run through Error: with the compiler's messages, shown literally, when
// it gave any, else with "Error, couldn't create effect from file ...".
ID3DXEffect* LoadEffectFile(IDirect3DDevice9* pDevice);

// Runs every pass of the effect's current technique, drawing
// primitiveCount triangles of the strip `vertices` in each. When Begin fails
// the pass count is unknown, so no pass runs.
void RunPasses(ID3DXEffect* pEffect, IDirect3DDevice9* pDevice, const _CUVERTEX* vertices,
               UINT primitiveCount);

// `value` truncated toward zero for the integer result line; NaN gives 0 and
// values beyond the int range give INT_MIN or INT_MAX, where a plain
// conversion would be undefined.
int TruncateToInt(double value);

// The screen-aligned quad over a width x height target: pixel (x, y) gets
// the centre of texel (x, y) of a width x height texture.
void BuildTargetQuad(_CUVERTEX quad[4], int width, int height);

// One triangle that covers the whole width x height target.
void BuildCoverTriangle(_CUVERTEX triangle[3], int width, int height);

// Releases a counted reference and empties its slot.
template <typename T>
void ReleaseAndNull(T*& p)
{
    if (p != nullptr) {
        p->Release();
        p = nullptr;
    }
}
