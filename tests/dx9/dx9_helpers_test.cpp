// The DX9gpgpu helpers that need no device.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "dx9/dx9_helpers.h"

namespace {

TEST(Dx9Helpers, TruncateToIntStaysDefinedForEveryValue)
{
    struct Case {
        double value;
        int expected;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {2.9, 2},
        {-2.9, -2},
        {0.0, 0},
        {2147483647.9, INT_MAX},
        {-2147483648.9, INT_MIN},
        {2147483648.0, INT_MAX},
        {1e30, INT_MAX},
        {-1e30, INT_MIN},
        {inf, INT_MAX},
        {-inf, INT_MIN},
        {std::nan(""), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(TruncateToInt(c.value), c.expected) << c.value;
}

// An effect whose Begin fails yet reports passes, to show that the pass
// loop trusts no count from a failed Begin. A pass started would throw, so
// the null device is never reached.
struct FailingBeginEffect : ID3DXEffect {
    int passCalls = 0;
    int endCalls = 0;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetDevice(LPDIRECT3DDEVICE9*) override { return E_FAIL; }
    D3DXHANDLE STDMETHODCALLTYPE GetParameterByName(D3DXHANDLE, LPCSTR) override { return nullptr; }
    D3DXHANDLE STDMETHODCALLTYPE GetTechniqueByName(LPCSTR) override { return nullptr; }
    HRESULT STDMETHODCALLTYPE SetFloat(D3DXHANDLE, FLOAT) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetVector(D3DXHANDLE, const D3DXVECTOR4*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetTexture(D3DXHANDLE, LPDIRECT3DBASETEXTURE9) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetTechnique(D3DXHANDLE) override { return S_OK; }
    D3DXHANDLE STDMETHODCALLTYPE GetCurrentTechnique() override { return nullptr; }
    HRESULT STDMETHODCALLTYPE Begin(UINT* pPasses, DWORD) override
    {
        *pPasses = 3;
        return E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE BeginPass(UINT) override
    {
        ++passCalls;
        throw std::logic_error("a pass began after Begin failed");
    }
    HRESULT STDMETHODCALLTYPE CommitChanges() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EndPass() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE End() override
    {
        ++endCalls;
        return S_OK;
    }
};

TEST(Dx9Helpers, FailedBeginStartsNoPassAndDrawsNothing)
{
    FailingBeginEffect effect;
    _CUVERTEX quad[4];
    BuildTargetQuad(quad, 4, 2);
    EXPECT_NO_THROW(RunPasses(&effect, nullptr, quad, 2));
    EXPECT_EQ(effect.passCalls, 0);
    EXPECT_EQ(effect.endCalls, 0);
}

}  // namespace
