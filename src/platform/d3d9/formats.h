#pragma once
// Direct3D 9 texture formats and their GL counterparts.
#include <epoxy/gl.h>

#include "d3d9types.h"

namespace kd3d9 {

struct FormatInfo {
    D3DFORMAT format;
    UINT bytesPerPixel;
    GLenum internalFormat;
    GLenum pixelFormat;  // for uploads and read-backs of host rows
    GLenum pixelType;
    GLint swizzle[4];    // what r, g, b, a of a sample return
};

// Null for a format the stand-in does not offer.
const FormatInfo* FindFormat(D3DFORMAT format);

// Row pitch of host copies: rows start on 64-byte boundaries.
inline UINT HostPitch(UINT width, UINT bytesPerPixel) {
    const UINT row = width * bytesPerPixel;
    return (row + 63u) & ~63u;
}

}  // namespace kd3d9
