#pragma once
// D3DX 9: textures and the effect framework, as far as the program uses them.
#include "d3d9.h"

#define _FACDD 0x876
#define MAKE_DDHRESULT(code) MAKE_HRESULT(1, _FACDD, code)
#define D3DXERR_INVALIDDATA MAKE_DDHRESULT(2905)

typedef const char* D3DXHANDLE;

// Begin flags.
#define D3DXFX_DONOTSAVESTATE (1 << 0)
#define D3DXFX_DONOTSAVESHADERSTATE (1 << 1)
#define D3DXFX_DONOTSAVESAMPLERSTATE (1 << 2)

struct D3DXVECTOR4 {
    D3DXVECTOR4() = default;
    D3DXVECTOR4(FLOAT fx, FLOAT fy, FLOAT fz, FLOAT fw) : x(fx), y(fy), z(fz), w(fw) {}
    FLOAT x = 0;
    FLOAT y = 0;
    FLOAT z = 0;
    FLOAT w = 0;
};

typedef struct _D3DXMACRO {
    LPCSTR Name;
    LPCSTR Definition;
} D3DXMACRO;

// Opaque here: the program passes null for both.
struct ID3DXInclude;
struct ID3DXEffectPool;
typedef ID3DXInclude* LPD3DXINCLUDE;
typedef ID3DXEffectPool* LPD3DXEFFECTPOOL;

struct ID3DXBuffer : IUnknown {
    virtual LPVOID STDMETHODCALLTYPE GetBufferPointer() = 0;
    virtual DWORD STDMETHODCALLTYPE GetBufferSize() = 0;
};
typedef ID3DXBuffer* LPD3DXBUFFER;

struct ID3DXEffect : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetDevice(LPDIRECT3DDEVICE9* ppDevice) = 0;
    virtual D3DXHANDLE STDMETHODCALLTYPE GetParameterByName(D3DXHANDLE hParameter, LPCSTR pName) = 0;
    virtual D3DXHANDLE STDMETHODCALLTYPE GetTechniqueByName(LPCSTR pName) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetFloat(D3DXHANDLE hParameter, FLOAT f) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetVector(D3DXHANDLE hParameter, const D3DXVECTOR4* pVector) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetTexture(D3DXHANDLE hParameter,
                                                 LPDIRECT3DBASETEXTURE9 pTexture) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetTechnique(D3DXHANDLE hTechnique) = 0;
    virtual D3DXHANDLE STDMETHODCALLTYPE GetCurrentTechnique() = 0;
    virtual HRESULT STDMETHODCALLTYPE Begin(UINT* pPasses, DWORD Flags) = 0;
    virtual HRESULT STDMETHODCALLTYPE BeginPass(UINT Pass) = 0;
    virtual HRESULT STDMETHODCALLTYPE CommitChanges() = 0;
    virtual HRESULT STDMETHODCALLTYPE EndPass() = 0;
    virtual HRESULT STDMETHODCALLTYPE End() = 0;
};
typedef ID3DXEffect* LPD3DXEFFECT;

HRESULT WINAPI D3DXCreateTexture(LPDIRECT3DDEVICE9 pDevice, UINT Width, UINT Height, UINT MipLevels,
                                 DWORD Usage, D3DFORMAT Format, D3DPOOL Pool,
                                 LPDIRECT3DTEXTURE9* ppTexture);

// Reads and compiles an effect file; on compile errors *ppCompilationErrors
// receives the compiler's messages as NUL-terminated text.
HRESULT WINAPI D3DXCreateEffectFromFileA(LPDIRECT3DDEVICE9 pDevice, LPCSTR pSrcFile,
                                         const D3DXMACRO* pDefines, LPD3DXINCLUDE pInclude,
                                         DWORD Flags, LPD3DXEFFECTPOOL pPool,
                                         LPD3DXEFFECT* ppEffect,
                                         LPD3DXBUFFER* ppCompilationErrors);
