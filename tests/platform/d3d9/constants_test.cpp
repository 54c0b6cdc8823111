// The numbers the program and stored results depend on are Direct3D 9's own.
#include "d3dx9.h"

static_assert(D3DERR_INVALIDCALL == static_cast<HRESULT>(0x8876086C));
static_assert(D3DERR_NOTAVAILABLE == static_cast<HRESULT>(0x8876086A));
static_assert(D3DERR_OUTOFVIDEOMEMORY == static_cast<HRESULT>(0x8876017C));
static_assert(D3DXERR_INVALIDDATA == static_cast<HRESULT>(0x88760B59));
static_assert(D3DVS_VERSION(1, 1) == 0xFFFE0101u);
static_assert(D3DPS_VERSION(2, 0) == 0xFFFF0200u);
static_assert(D3DVS_VERSION(1, 1) > 0x7FFFFFFFu);  // compared unsigned by the program
static_assert(D3D_SDK_VERSION == 32);
static_assert(D3DFMT_R32F == 114 && D3DFMT_X8R8G8B8 == 22);
static_assert((D3DFVF_XYZRHW | D3DFVF_TEX1) == 0x104);
static_assert(D3DRS_LIGHTING == 137 && D3DRS_CULLMODE == 22 && D3DRS_MULTISAMPLEANTIALIAS == 161);
static_assert(D3DCULL_NONE == 1 && D3DSWAPEFFECT_DISCARD == 1 && D3DPOOL_SYSTEMMEM == 2);
static_assert((D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_FPU_PRESERVE) == 0x42);
static_assert(D3DCOLOR_XRGB(255, 255, 255) == 0xFFFFFFFFu);
static_assert(sizeof(D3DXVECTOR4) == 16);
static_assert(sizeof(((D3DADAPTER_IDENTIFIER9*)nullptr)->Description) == 512);
