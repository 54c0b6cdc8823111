#pragma once
// DX9gpgpu: the GPU back-end. The matrix lives in a render-target texture of
// one float per texel (texel (x, y) = row y, column x), with a system-memory
// staging copy of the input for reloads. The passes draw with the techniques
// of kordane02_DX9.fx into a second texture and swap the two (ping-pong);
// results stay on the card until OutputData reads them back.
//
// Every failure that the back-end tests ends the run through Error.
#include <windows.h>
#include <d3d9.h>
#include <d3dx9.h>

// Pre-transformed textured vertex (D3DFVF_XYZRHW | D3DFVF_TEX1), 24 bytes.
struct _CUVERTEX {
    float x, y, z, rhw;
    float u, v;
};

constexpr DWORD CUVERTEX_FVF = D3DFVF_XYZRHW | D3DFVF_TEX1;

// The effect file, read from the current directory.
constexpr const char* DX9_EFFECT_FILE = "kordane02_DX9.fx";

class DX9gpgpu {
public:
    DX9gpgpu();
    ~DX9gpgpu();
    DX9gpgpu(const DX9gpgpu&) = delete;
    DX9gpgpu& operator=(const DX9gpgpu&) = delete;

    // Opens the device on hWnd, checks the card and loads the effect file.
    void InitDirect3D(HWND hWnd);
    // Appends the adapter line " name ( maxW x maxH ) \n\n" to the report.
    void LogInfo();

    // Loads the input matrix file into pTexIn and the staging copy pTexRel;
    // with int_test set, builds the precision-probe matrix from a and b.
    void InputData(const char* fileName, bool int_test, double a, double b);
    void InputDataTest(const char* fileName, double a, double b);
    // Restores pTexIn from the staging copy.
    void ReloadData();
    // Zeroes the width x height device texture pClearTex.
    void ClearTexture(IDirect3DTexture9* pClearTex, int w, int h);
    // Reads a surface back and appends result rows to fileName.
    void OutputData(IDirect3DSurface9* src, int w, int h, bool first_int, const char* fileName,
                    const char* precision);
    void OutputData(const char* fileName, const char* precision);

    // Forward elimination of pTexIn, one pivot per "poctyRow" + "poctySubMat".
    void Render(int width, int height);
    // Precision probe ("poctyTest") and scalar multiply ("poctyMulMat"); both
    // reload the effect file and replace pTexIn with a new texture.
    void RenderTest(int width, int height);
    void RenderMulMat(int width, int height, int mul);

private:
    void ReplaceEffect();
    void RenderOneTechnique(int w, int h, float colorW, const char* technique, const _CUVERTEX* vertices,
                            UINT primitiveCount, bool clearFirst);
    IDirect3DTexture9* CreateStagingTexture(int w, int h);

    IDirect3D9* pD3D;
    ID3DXEffect* pEffect;
    IDirect3DTexture9* pTexIn;
    IDirect3DTexture9* pTexRel;
    IDirect3DTexture9* pTexTemp;
    IDirect3DTexture9* pTexPong;
    IDirect3DSurface9* pSurfIn;
    IDirect3DSurface9* pSurfTemp;
    IDirect3DSurface9* pSurfPong;
    D3DCAPS9 caps;
    IDirect3DDevice9* pDevice;
    int width;
    int height;
    float* pLockedRow;

    static int dbgCnt;
};
