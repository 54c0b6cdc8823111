// Matrix textures: loading the input file, reloads, zeroing, read-back.
#include <cstdio>
#include <cstring>

#include "dx9_gpgpu.h"
#include "dx9_helpers.h"
#include "report/report.h"
#include "report/report_file.h"

namespace {

// A locked staging texture's rows lie Pitch bytes apart.
int FloatStride(const D3DLOCKED_RECT& locked)
{
    return locked.Pitch / static_cast<int>(sizeof(float));
}

}  // namespace

IDirect3DTexture9* DX9gpgpu::CreateStagingTexture(int w, int h)
{
    IDirect3DTexture9* pStaging = nullptr;
    if (w <= 0 || h <= 0 ||
        FAILED(D3DXCreateTexture(pDevice, static_cast<UINT>(w), static_cast<UINT>(h), 1, 0, D3DFMT_R32F,
                                 D3DPOOL_SYSTEMMEM, &pStaging))) {
        Error("Error, couldn't create texture", true, 0);
        return nullptr;
    }
    return pStaging;
}

void DX9gpgpu::InputData(const char* fileName, bool int_test, double a, double b)
{
    FILE* file = OpenInputFile(fileName);
    if (file == nullptr) Help();

    if (std::fscanf(file, "%d %d\n", &width, &height) != 2) {
        width = 0;
        height = 0;
    }

    // A matrix the card cannot hold (too large, no memory, a header that
    // gives no size) ends the run here instead of failing later.
    if (width <= 0 || height <= 0 ||
        FAILED(D3DXCreateTexture(pDevice, static_cast<UINT>(width), static_cast<UINT>(height), 1,
                                 D3DUSAGE_RENDERTARGET, D3DFMT_R32F, D3DPOOL_DEFAULT, &pTexIn)) ||
        FAILED(pTexIn->GetSurfaceLevel(0, &pSurfIn))) {
        std::fclose(file);
        Error("Error, couldn't create texture", true, 0);
        return;
    }
    pTexRel = CreateStagingTexture(width, height);
    D3DLOCKED_RECT locked = {};
    if (FAILED(pTexRel->LockRect(0, &locked, nullptr, 0))) {
        std::fclose(file);
        Error("Error, couldn't create texture", true, 0);
        return;
    }
    const int stride = FloatStride(locked);
    pLockedRow = static_cast<float*>(locked.pBits);

    if (!int_test) {
        // A value that cannot be scanned repeats the last one that could.
        float value = 0.0f;
        for (int row = 0; row < height; ++row) {
            for (int column = 0; column < width; ++column) {
                std::fscanf(file, "%f ", &value);
                pLockedRow[column] = value;
            }
            std::fscanf(file, "\n");
            pLockedRow += stride;
        }
    } else {
        // Only the two operand cells matter; the rest is zeroed so that the
        // texture holds no leftover memory.
        for (int row = 0; row < height; ++row) {
            std::memset(pLockedRow + static_cast<size_t>(row) * stride, 0, sizeof(float) * width);
        }
        pLockedRow = static_cast<float*>(locked.pBits) + static_cast<size_t>(height - 1) * stride;
        if (width >= 4) {
            pLockedRow[width - 4] = static_cast<float>(a);
            pLockedRow[width - 3] = static_cast<float>(b);
        }
    }
    std::fclose(file);

    if (FAILED(pDevice->UpdateTexture(pTexRel, pTexIn))) {
        Error("Error, couldn't copy texture", true, 0);
        return;
    }
    pTexRel->UnlockRect(0);
}

void DX9gpgpu::InputDataTest(const char* fileName, double a, double b)
{
    InputData(fileName, true, a, b);
}

void DX9gpgpu::ReloadData()
{
    // The whole-texture lock marks the whole staging copy for the upload.
    D3DLOCKED_RECT locked = {};
    pTexRel->LockRect(0, &locked, nullptr, 0);
    if (FAILED(pDevice->UpdateTexture(pTexRel, pTexIn))) {
        Error("Error, couldn't copy texture", true, 0);
        return;
    }
    pTexRel->UnlockRect(0);
}

void DX9gpgpu::ClearTexture(IDirect3DTexture9* pClearTex, int w, int h)
{
    IDirect3DTexture9* pZeros = CreateStagingTexture(w, h);
    D3DLOCKED_RECT locked = {};
    if (pZeros == nullptr || FAILED(pZeros->LockRect(0, &locked, nullptr, 0))) {
        Error("Error, couldn't create texture", true, 0);
        return;
    }
    const int stride = FloatStride(locked);
    pLockedRow = static_cast<float*>(locked.pBits);
    for (int row = 0; row < h; ++row) {
        for (int column = 0; column < w; ++column) pLockedRow[column] = 0.0f;
        pLockedRow += stride;
    }
    if (FAILED(pDevice->UpdateTexture(pZeros, pClearTex))) {
        Error("Error, couldn't clear (copy) texture", true, 0);
        return;
    }
    pZeros->UnlockRect(0);
    pZeros->Release();
}

void DX9gpgpu::OutputData(IDirect3DSurface9* src, int w, int h, bool first_int, const char* fileName,
                          const char* precision)
{
    IDirect3DSurface9* pRead = pSurfIn;
    if (w == -1 && h == -1) {
        w = width;
        h = height;
    }
    if (precision == nullptr) precision = "%.4f";
    if (fileName == nullptr) fileName = "output.txt";
    const bool debugBlock = src != nullptr && !first_int;
    if (debugBlock) pRead = src;

    // Read the whole surface back through a staging texture of its size.
    IDirect3DTexture9* pStaging = CreateStagingTexture(w, h);
    IDirect3DSurface9* pStagingSurface = nullptr;
    D3DLOCKED_RECT locked = {};
    if (pStaging == nullptr || FAILED(pStaging->GetSurfaceLevel(0, &pStagingSurface))) {
        Error("Error, couldn't create texture", true, 0);
        return;
    }
    if (pRead == nullptr || FAILED(pDevice->GetRenderTargetData(pRead, pStagingSurface))) {
        Error("Error, couldn't copy texture", true, 0);
        return;
    }
    if (FAILED(pStaging->LockRect(0, &locked, nullptr, 0))) {
        Error("Error, couldn't create texture", true, 0);
        return;
    }
    const float* lastRow =
        static_cast<const float*>(locked.pBits) + static_cast<size_t>(h - 1) * FloatStride(locked);

    if (first_int) {
        // Integer form: every value of the last row, truncated, no line end.
        FILE* file = OpenForAppend(fileName);
        for (int column = 0; column < w; ++column) {
            std::fprintf(file, column + 1 < w ? "%d, " : "%d",
                         TruncateToInt(lastRow[column]));
        }
        CloseAfterAppend(file);
    } else {
        OutputResultRows(fileName, precision, lastRow, w, h, debugBlock ? &dbgCnt : nullptr);
    }

    pStaging->UnlockRect(0);
    pStagingSurface->Release();
    pStaging->Release();
}

void DX9gpgpu::OutputData(const char* fileName, const char* precision)
{
    OutputData(nullptr, -1, -1, false, fileName, precision);
}
