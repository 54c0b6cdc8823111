#pragma once
// ID3DXBuffer: a counted block of bytes; the effect loader fills it with
// NUL-terminated compiler text.
#include <string>
#include <vector>

#include "d3dx9.h"

namespace kd3d9 {

class Buffer final : public ID3DXBuffer {
public:
    // `text` plus a terminating NUL; null when memory runs out.
    static Buffer* FromText(const std::string& text);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    LPVOID STDMETHODCALLTYPE GetBufferPointer() override;
    DWORD STDMETHODCALLTYPE GetBufferSize() override;

private:
    Buffer() = default;
    ~Buffer() override = default;

    std::vector<char> bytes_;
    ULONG refs_ = 1;
};

}  // namespace kd3d9
