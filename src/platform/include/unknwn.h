#pragma once
// The counted-reference root of every COM-style object of the stand-ins.
#include "winerror.h"

struct IUnknown {
    virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) = 0;
    virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
    virtual ULONG STDMETHODCALLTYPE Release() = 0;

protected:
    virtual ~IUnknown() = default;
};
typedef IUnknown* LPUNKNOWN;
