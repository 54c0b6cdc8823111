// Construction, destruction, device set-up and the adapter line.
#include <cstdio>

#include "dx9_helpers.h"
#include "dx9_gpgpu.h"
#include "report/globals.h"
#include "report/report.h"

int DX9gpgpu::dbgCnt = 0;

DX9gpgpu::DX9gpgpu()
    : pD3D(nullptr), pEffect(nullptr), pTexIn(nullptr), pTexRel(nullptr), pTexTemp(nullptr),
      pTexPong(nullptr), pSurfIn(nullptr), pSurfTemp(nullptr), pSurfPong(nullptr), caps(),
      pDevice(nullptr), width(0), height(0), pLockedRow(nullptr)
{
}

DX9gpgpu::~DX9gpgpu()
{
    ReleaseAndNull(pEffect);
    ReleaseAndNull(pTexIn);
    ReleaseAndNull(pTexRel);
    ReleaseAndNull(pSurfIn);
    ReleaseAndNull(pDevice);
    ReleaseAndNull(pD3D);
}

void DX9gpgpu::InitDirect3D(HWND hWnd)
{
    pD3D = Direct3DCreate9(D3D_SDK_VERSION);
    if (pD3D == nullptr) {
        Error("Error, couldn't initialize DirectX!?!", true, 0);
        return;
    }

    D3DDISPLAYMODE displayMode = {};
    if (FAILED(pD3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &displayMode))) {
        Error("Error setting the display mode.", true, 0);
        return;
    }

    // Windowed on the host window; the back buffer takes the window's client
    // size, everything else stays at zero.
    D3DPRESENT_PARAMETERS presentParameters = {};
    presentParameters.Windowed = TRUE;
    presentParameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    presentParameters.BackBufferFormat = displayMode.Format;

    if (FAILED(pD3D->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps))) {
        Error("GetDeviceCaps() failed!!", true, 0);
        return;
    }
    if (caps.VertexProcessingCaps == 0) {
        Error("Hardware vertex processing not supported by your hardware!!", true, 0);
        return;
    }
    if (static_cast<uint32_t>(caps.VertexShaderVersion) < D3DVS_VERSION(1, 1) ||
        static_cast<uint32_t>(caps.PixelShaderVersion) < D3DPS_VERSION(2, 0)) {
        Error("Too low shader version. Need VS 1.1 and PS 2.0 at least!!", true, 0);
        return;
    }

    HRESULT hr = pD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, hWnd,
                                    D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_FPU_PRESERVE,
                                    &presentParameters, &pDevice);
    if (FAILED(hr)) {
        Error("CreateDevice() failed! Window size equal to zero or no DirectX 9 installed.\nError nr: %d",
              true, hr);
        return;
    }
    if (pDevice == nullptr) {
        Error("D3D_Device is equal to NULL!?!", true, 0);
        return;
    }

    pDevice->SetRenderState(D3DRS_LIGHTING, FALSE);
    pDevice->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    pDevice->SetRenderState(D3DRS_MULTISAMPLEANTIALIAS, FALSE);

    pEffect = LoadEffectFile(pDevice);
}

void DX9gpgpu::LogInfo()
{
    D3DADAPTER_IDENTIFIER9 identifier = {};
    if (FAILED(pD3D->GetAdapterIdentifier(D3DADAPTER_DEFAULT, 0, &identifier))) {
        std::snprintf(identifier.Description, sizeof identifier.Description, "%s", "Unknown adapter");
    }
    std::snprintf(buf, TEXT_BUFFER_SIZE, " %s ( %d x %d ) \n\n", identifier.Description,
                  static_cast<int>(caps.MaxTextureWidth), static_cast<int>(caps.MaxTextureHeight));
    OutputNote(buf);
}

void DX9gpgpu::ReplaceEffect()
{
    ID3DXEffect* pNewEffect = LoadEffectFile(pDevice);
    ReleaseAndNull(pEffect);
    pEffect = pNewEffect;
}
