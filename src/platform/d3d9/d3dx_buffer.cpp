#include "d3dx_buffer.h"

#include <new>

namespace kd3d9 {

Buffer* Buffer::FromText(const std::string& text) {
    Buffer* buffer = new (std::nothrow) Buffer();
    if (buffer == nullptr) return nullptr;
    try {
        buffer->bytes_.assign(text.begin(), text.end());
        buffer->bytes_.push_back('\0');
    } catch (const std::bad_alloc&) {
        delete buffer;
        return nullptr;
    }
    return buffer;
}

HRESULT Buffer::QueryInterface(REFIID, void** ppvObject) {
    if (ppvObject) *ppvObject = nullptr;
    return E_NOINTERFACE;
}

ULONG Buffer::AddRef() { return ++refs_; }

ULONG Buffer::Release() {
    if (refs_ == 0) return 0;
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

LPVOID Buffer::GetBufferPointer() { return bytes_.data(); }

DWORD Buffer::GetBufferSize() { return static_cast<DWORD>(bytes_.size()); }

}  // namespace kd3d9
