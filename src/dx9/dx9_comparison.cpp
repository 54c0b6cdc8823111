// The precision-probe and multiply passes: one technique, drawn once into a
// fresh matrix texture that then replaces pTexIn. Each call reloads the
// effect file first.
#include "dx9_helpers.h"
#include "dx9_gpgpu.h"
#include "report/report.h"

void DX9gpgpu::RenderOneTechnique(int w, int h, float colorW, const char* technique,
                                  const _CUVERTEX* vertices, UINT primitiveCount, bool clearFirst)
{
    ReplaceEffect();

    IDirect3DTexture9* pTexNew = nullptr;
    IDirect3DSurface9* pSurfNew = nullptr;
    if (FAILED(D3DXCreateTexture(pDevice, static_cast<UINT>(w), static_cast<UINT>(h), 1, D3DUSAGE_RENDERTARGET,
                                 D3DFMT_R32F, D3DPOOL_DEFAULT, &pTexNew))) {
        Error("Error, couldn't create pong texture", true, 0);
        return;
    }
    pTexNew->GetSurfaceLevel(0, &pSurfNew);

    // Clears the render target current before the pass target is set.
    if (clearFirst) pDevice->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFFFFFFFF, 1.0f, 0);
    pDevice->BeginScene();

    const D3DXVECTOR4 color1(static_cast<float>(w), static_cast<float>(h), 1.0f, colorW);
    if (FAILED(pEffect->SetVector(pEffect->GetParameterByName(nullptr, "COLOR1"), &color1))) {
        Error("Error, couldn't SetVector", true, 0);
        return;
    }
    if (FAILED(pEffect->SetTexture("mytex", pTexIn))) {
        Error("Error, couldn't set in texture", true, 0);
        return;
    }
    if (FAILED(pEffect->SetTechnique(technique))) {
        Error("Error, couldn't SetTechnique", true, 0);
        return;
    }
    if (FAILED(pDevice->SetRenderTarget(0, pSurfNew))) {
        Error("Error, couldn't SetRenderTarget", true, 0);
        return;
    }
    RunPasses(pEffect, pDevice, vertices, primitiveCount);

    IDirect3DSurface9* pSurfOld = pSurfIn;
    IDirect3DTexture9* pTexOld = pTexIn;
    pSurfIn = pSurfNew;
    pTexIn = pTexNew;

    pDevice->EndScene();
    // Present returns once the card has finished the pass.
    pDevice->Present(nullptr, nullptr, nullptr, nullptr);

    ReleaseAndNull(pTexOld);
    ReleaseAndNull(pSurfOld);
}

void DX9gpgpu::RenderTest(int w, int h)
{
    _CUVERTEX quad[4];
    BuildTargetQuad(quad, w, h);
    RenderOneTechnique(w, h, 1.0f, "poctyTest", quad, 2, true);
}

void DX9gpgpu::RenderMulMat(int w, int h, int mul)
{
    _CUVERTEX triangle[3];
    BuildCoverTriangle(triangle, w, h);
    RenderOneTechnique(w, h, static_cast<float>(mul), "poctyMulMat", triangle, 1, false);
}
