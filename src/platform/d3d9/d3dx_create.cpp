// D3DXCreateTexture and D3DXCreateEffectFromFileA.
#include <filesystem>
#include <fstream>
#include <new>
#include <iterator>
#include <sstream>

#include "d3dx_buffer.h"
#include "d3dx_effect.h"
#include "d3dx_internal.h"

#ifdef KORDANE_HAVE_HLSL
#include "hlsl/effect.h"
#endif

namespace {

bool ReadWholeFile(const char* path, std::string& contents) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;  // a folder opens, too
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return false;
    contents = text.str();
    return true;
}

void HandBack(const std::string& text, LPD3DXBUFFER* ppBuffer) {
    if (ppBuffer != nullptr && !text.empty()) *ppBuffer = kd3d9::Buffer::FromText(text);
}

}  // namespace

HRESULT WINAPI D3DXCreateTexture(LPDIRECT3DDEVICE9 pDevice, UINT Width, UINT Height, UINT MipLevels,
                                 DWORD Usage, D3DFORMAT Format, D3DPOOL Pool,
                                 LPDIRECT3DTEXTURE9* ppTexture) {
    if (ppTexture != nullptr) *ppTexture = nullptr;
    if (pDevice == nullptr || ppTexture == nullptr) return D3DERR_INVALIDCALL;
    // One level whatever the count asked for: the program uses level 0 only.
    (void)MipLevels;
    return pDevice->CreateTexture(Width, Height, 1, Usage, Format, Pool, ppTexture, nullptr);
}

namespace {

HRESULT CreateEffectFromFile(LPDIRECT3DDEVICE9 pDevice, LPCSTR pSrcFile, const D3DXMACRO* pDefines,
                             LPD3DXEFFECT* ppEffect, LPD3DXBUFFER* ppCompilationErrors) {
    std::string source;
    if (!ReadWholeFile(pSrcFile, source)) return D3DXERR_INVALIDDATA;
    if (pDefines != nullptr && pDefines->Name != nullptr) {
        std::string prefix;
        for (const D3DXMACRO* m = pDefines; m->Name != nullptr; ++m)
            prefix += std::string("#define ") + m->Name + " " + (m->Definition ? m->Definition : "") +
                      "\n";
        // Diagnostics keep the file's own line numbers.
        source = prefix + "#line 1\n" + source;
    }
#ifdef KORDANE_HAVE_HLSL
    const hlsl::CompileResult result = hlsl::CompileEffect(source, pSrcFile);
    std::string messages = hlsl::FormatDiagnostics(result.diagnostics);
    if (!result.effect) {
        if (messages.empty()) messages = std::string(pSrcFile) + ": error: the effect does not compile\n";
        HandBack(messages, ppCompilationErrors);
        return E_FAIL;
    }
    const HRESULT hr = kd3d9::CreateEffectFromDescription(pDevice, *result.effect, pSrcFile,
                                                          ppEffect, &messages);
    // Warnings come back with a working effect too.
    HandBack(messages, ppCompilationErrors);
    return hr;
#else
    (void)pDevice;
    (void)ppEffect;
    (void)ppCompilationErrors;
    (void)HandBack;
    return E_NOTIMPL;
#endif
}

}  // namespace

// The include handler, flags and pool are not used: includes are read from
// disk relative to the including file.
HRESULT WINAPI D3DXCreateEffectFromFileA(LPDIRECT3DDEVICE9 pDevice, LPCSTR pSrcFile,
                                         const D3DXMACRO* pDefines, LPD3DXINCLUDE, DWORD,
                                         LPD3DXEFFECTPOOL, LPD3DXEFFECT* ppEffect,
                                         LPD3DXBUFFER* ppCompilationErrors) {
    if (ppCompilationErrors != nullptr) *ppCompilationErrors = nullptr;
    if (ppEffect != nullptr) *ppEffect = nullptr;
    if (pDevice == nullptr || pSrcFile == nullptr || ppEffect == nullptr) return D3DERR_INVALIDCALL;
    try {
        return CreateEffectFromFile(pDevice, pSrcFile, pDefines, ppEffect, ppCompilationErrors);
    } catch (const std::bad_alloc&) {
        if (ppEffect != nullptr && *ppEffect != nullptr) {
            (*ppEffect)->Release();
            *ppEffect = nullptr;
        }
        return E_OUTOFMEMORY;
    }
}
