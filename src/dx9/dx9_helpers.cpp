#include "dx9_helpers.h"

#include <climits>
#include <cmath>

#include "report/report.h"

std::string EscapeFormat(const char* text)
{
    std::string escaped;
    for (const char* c = text; *c != '\0'; ++c) {
        escaped += *c;
        if (*c == '%') escaped += '%';
    }
    return escaped;
}

ID3DXEffect* LoadEffectFile(IDirect3DDevice9* pDevice)
{
    ID3DXEffect* pNewEffect = nullptr;
    ID3DXBuffer* pMessages = nullptr;
    HRESULT hr = D3DXCreateEffectFromFileA(pDevice, DX9_EFFECT_FILE, nullptr, nullptr, 0, nullptr,
                                           &pNewEffect, &pMessages);
    if (FAILED(hr)) {
        if (pMessages == nullptr) {
            Error("Error, couldn't create effect from file kordane02_DX9.fx", true, 0);
        } else {
            Error(EscapeFormat(static_cast<const char*>(pMessages->GetBufferPointer())).c_str(), true, 0);
            pMessages->Release();
        }
        return nullptr;
    }
    if (pMessages != nullptr) pMessages->Release();
    return pNewEffect;
}

void RunPasses(ID3DXEffect* pEffect, IDirect3DDevice9* pDevice, const _CUVERTEX* vertices,
               UINT primitiveCount)
{
    UINT passes = 0;
    if (FAILED(pEffect->Begin(&passes, 0))) return;
    for (UINT pass = 0; pass < passes; ++pass) {
        pEffect->BeginPass(pass);
        pDevice->SetFVF(CUVERTEX_FVF);
        pDevice->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, primitiveCount, vertices, sizeof(_CUVERTEX));
        pEffect->EndPass();
    }
    pEffect->End();
}

int TruncateToInt(double value)
{
    if (std::isnan(value)) return 0;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    // 2^31 is the first double above the range; everything below it
    // truncates into the range.
    if (value >= 2147483648.0) return INT_MAX;
    return static_cast<int>(value);
}

void BuildTargetQuad(_CUVERTEX quad[4], int width, int height)
{
    const float right = static_cast<float>(width) - 0.5f;
    const float bottom = static_cast<float>(height) - 0.5f;
    quad[0] = {-0.5f, -0.5f, 0.0f, 1.0f, 0.0f, 0.0f};
    quad[1] = {right, -0.5f, 0.0f, 1.0f, 1.0f, 0.0f};
    quad[2] = {-0.5f, bottom, 0.0f, 1.0f, 0.0f, 1.0f};
    quad[3] = {right, bottom, 0.0f, 1.0f, 1.0f, 1.0f};
}

void BuildCoverTriangle(_CUVERTEX triangle[3], int width, int height)
{
    const float right = 2.0f * (static_cast<float>(width) - 0.5f);
    const float bottom = 2.0f * (static_cast<float>(height) - 0.5f);
    triangle[0] = {-0.5f, -0.5f, 0.0f, 1.0f, 0.0f, 0.0f};
    triangle[1] = {right, -0.5f, 0.0f, 1.0f, 2.0f, 0.0f};
    triangle[2] = {-0.5f, bottom, 0.0f, 1.0f, 0.0f, 2.0f};
}
