// Forward elimination on the card: per pivot k, "poctyRow" writes the factor
// column and "poctySubMat" the updated matrix into the pong texture; then the
// two matrix textures trade roles.
#include <utility>

#include "dx9_helpers.h"
#include "dx9_gpgpu.h"
#include "report/report.h"

void DX9gpgpu::Render(int w, int h)
{
    _CUVERTEX quad[4];
    BuildTargetQuad(quad, w, h);

    if (FAILED(D3DXCreateTexture(pDevice, static_cast<UINT>(1), static_cast<UINT>(h), 1, D3DUSAGE_RENDERTARGET,
                                 D3DFMT_R32F, D3DPOOL_DEFAULT, &pTexTemp))) {
        Error("Error, couldn't create temp texture", true, 0);
        return;
    }
    ClearTexture(pTexTemp, 1, h);
    pTexTemp->GetSurfaceLevel(0, &pSurfTemp);

    if (FAILED(D3DXCreateTexture(pDevice, static_cast<UINT>(w), static_cast<UINT>(h), 1, D3DUSAGE_RENDERTARGET,
                                 D3DFMT_R32F, D3DPOOL_DEFAULT, &pTexPong))) {
        Error("Error, couldn't create pong texture", true, 0);
        return;
    }
    ClearTexture(pTexPong, w, h);
    pTexPong->GetSurfaceLevel(0, &pSurfPong);

    pDevice->BeginScene();
    for (int k = 0; k < h - 1; ++k) {
        const D3DXVECTOR4 pivot(static_cast<float>(w), static_cast<float>(h), 1.0f, static_cast<float>(k));
        if (FAILED(pEffect->SetVector(pEffect->GetParameterByName(nullptr, "COLOR1"), &pivot))) {
            Error("Error, couldn't SetVector", true, 0);
            return;
        }
        if (FAILED(pEffect->SetTexture("mytex", pTexIn))) {
            Error("Error, couldn't set in texture", true, 0);
            return;
        }
        pEffect->SetTechnique("poctyRow");
        if (FAILED(pDevice->SetRenderTarget(0, pSurfTemp))) {
            Error("Error, couldn't SetRenderTarget", true, 0);
            return;
        }
        RunPasses(pEffect, pDevice, quad, 2);

        pEffect->SetTechnique("poctySubMat");
        if (FAILED(pDevice->SetRenderTarget(0, pSurfPong))) {
            Error("Error, couldn't SetRenderTarget 2", true, 0);
            return;
        }
        if (FAILED(pEffect->SetTexture("mytex", pTexIn))) {
            Error("Error, couldn't set in texture", true, 0);
            return;
        }
        if (FAILED(pEffect->SetTexture("mytexTemp", pTexTemp))) {
            Error("Error, couldn't set temp texture", true, 0);
            return;
        }
        RunPasses(pEffect, pDevice, quad, 2);

        std::swap(pSurfIn, pSurfPong);
        std::swap(pTexIn, pTexPong);
    }
    pDevice->EndScene();
    // Present returns once the card has finished everything issued before
    // it, so the caller's timed interval covers the passes.
    pDevice->Present(nullptr, nullptr, nullptr, nullptr);

    ReleaseAndNull(pSurfTemp);
    ReleaseAndNull(pTexTemp);
    ReleaseAndNull(pTexPong);
    ReleaseAndNull(pSurfPong);
}
