// Times the GPU elimination section's compute operation (DX9gpgpu::Render)
// and, in the same run, the same passes with the same shaders on bare
// OpenGL. Prints one line per size.
//
//   dx9_bench [--sizes 500,1000] [--reps 3]      overhead of the stand-in
//   dx9_bench --bandwidth [--sizes 4096] [--reps 1] [--peak-gbs X]
//                                                time and effective bandwidth
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "bare_gl_elimination.h"
#include "dx9/dx9_gpgpu.h"
#include "report/globals.h"

namespace {

LRESULT CALLBACK BenchWindowProc(HWND hWnd, UINT msg, WPARAM wP, LPARAM lP)
{
    return DefWindowProcA(hWnd, msg, wP, lP);
}

HWND HostWindow()
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = BenchWindowProc;
    windowClass.lpszClassName = "kordaneBenchClass";
    RegisterClassExA(&windowClass);
    return CreateWindowExA(0, "kordaneBenchClass", "kordane", WS_OVERLAPPEDWINDOW, 0, 0, 64, 64, nullptr, nullptr,
                           nullptr, nullptr);
}

// A generated input: height rows of height + 1 integers from 1 to 1001.
std::vector<float> WriteRandomInput(int height)
{
    const int width = height + 1;
    std::mt19937 generator(static_cast<unsigned>(height));
    std::uniform_int_distribution<int> draw(0, 32767);
    std::vector<float> m(static_cast<size_t>(width) * height);
    FILE* file = std::fopen(fileNameIn, "w");
    std::fprintf(file, "%d %d\n", width, height);
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < width; ++c) {
            const int value = draw(generator) * 1000 / 32767 + 1;
            m[static_cast<size_t>(r) * width + c] = static_cast<float>(value);
            std::fprintf(file, "%d ", value);
        }
        std::fprintf(file, "\n");
    }
    std::fclose(file);
    return m;
}

// The last row's last four values as the back-end prints them.
std::vector<double> Dx9Tail(DX9gpgpu& gpu)
{
    std::fclose(std::fopen("rows.txt", "w"));
    gpu.OutputData("rows.txt", "%.9g");
    std::ifstream in("rows.txt");
    std::vector<double> tail;
    for (std::string value; std::getline(in, value, ',');) tail.push_back(std::strtod(value.c_str(), nullptr));
    return tail;
}

// Bytes one Render moves in its passes: per pivot the factor pass reads two
// cells and writes one per row, the update pass reads three and writes one
// per cell; plus the zeroing of the two working textures.
double RenderBytes(int width, int height)
{
    const double w = width, h = height;
    return (h - 1) * (3 * 4 * h + 4 * 4 * w * h) + 4 * h + 4 * w * h;
}

// Peak memory bandwidth by renderer name, GB/s, for the cards we expect.
double KnownPeakGbs(const std::string& renderer)
{
    if (renderer.find("H200") != std::string::npos) return 4800;
    if (renderer.find("H100") != std::string::npos)
        return renderer.find("H100 PCIe") != std::string::npos ? 2000 : 3350;  // else SXM
    if (renderer.find("A100") != std::string::npos) return 2039;
    return 0;
}

std::vector<int> ParseSizes(const char* text)
{
    std::vector<int> sizes;
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, ',');) sizes.push_back(std::atoi(item.c_str()));
    return sizes;
}

}  // namespace

int main(int argc, char** argv)
{
    bool bandwidth = false;
    std::vector<int> sizes;
    int reps = 0;
    double peakGbs = 0;
    std::string effectPath = KORDANE_EFFECT_SOURCE;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--bandwidth")) bandwidth = true;
        else if (!std::strcmp(argv[i], "--sizes") && i + 1 < argc) sizes = ParseSizes(argv[++i]);
        else if (!std::strcmp(argv[i], "--reps") && i + 1 < argc) reps = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--peak-gbs") && i + 1 < argc) peakGbs = std::atof(argv[++i]);
        else if (!std::strcmp(argv[i], "--effect") && i + 1 < argc) effectPath = argv[++i];
        else {
            std::fprintf(stderr, "usage: %s [--bandwidth] [--sizes n,n] [--reps r] [--peak-gbs x] [--effect file]\n", argv[0]);
            return 2;
        }
    }
    if (sizes.empty()) sizes = bandwidth ? std::vector<int>{4096} : std::vector<int>{500, 1000};
    if (reps == 0) reps = bandwidth ? 1 : 3;

    // Built elsewhere (a GPU machine), the source path may not exist: the
    // repository's copy, relative to the working folder, stands in.
    if (!std::filesystem::exists(effectPath)) effectPath = "src/dx9/kordane02_DX9.fx";
    std::ifstream effectFile(effectPath);
    if (!effectFile) {
        std::fprintf(stderr, "no effect file at %s (use --effect)\n", effectPath.c_str());
        return 1;
    }
    std::stringstream effect;
    effect << effectFile.rdbuf();
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "kd_dx9_bench";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    std::ofstream("kordane02_DX9.fx") << effect.str();
    std::snprintf(fileNameIn, TEXT_BUFFER_SIZE, "%s", "input.txt");
    std::snprintf(fileNameOut, TEXT_BUFFER_SIZE, "%s", "output.txt");
    HWND hWnd = HostWindow();

    for (int n : sizes) {
        const int width = n + 1, height = n;
        const std::vector<float> matrix = WriteRandomInput(height);

        // Both run side by side, one call each in turn, so that a load that
        // comes and goes on the machine hits both alike; the fastest counts.
        DX9gpgpu gpu;
        gpu.InitDirect3D(hWnd);
        gpu.InputData(fileNameIn, false, 0.0, 0.0);
        BareGlElimination gl;
        std::string error;
        if (!OpenBareGl(gl, effect.str(), matrix, width, height, error)) {
            std::fprintf(stderr, "bare GL run failed: %s\n", error.c_str());
            return 1;
        }
        double dx9Ms = 1e300, glMs = 1e300;
        std::vector<float> glRow;
        std::vector<double> dx9Row;
        for (int rep = 0; rep < reps; ++rep) {
            // Two calls on each side in a row: the first after a switch of
            // GL context pays for waking the rasteriser up again.
            for (int call = 0; call < 2; ++call) {
                // Timed as the section times it: Render returns after
                // Present, once the card is done.
                gpu.ReloadData();
                const auto start = std::chrono::steady_clock::now();
                gpu.Render(width, height);
                const auto end = std::chrono::steady_clock::now();
                dx9Ms = std::min(dx9Ms, std::chrono::duration<double, std::milli>(end - start).count());
            }
            if (rep == 0) dx9Row = Dx9Tail(gpu);
            for (int call = 0; call < 2; ++call) glMs = std::min(glMs, RunBareGlElimination(gl, glRow));
        }
        CloseBareGl(gl);

        // Same shaders, same card: the results must be the same floats.
        bool same = dx9Row.size() == 4;
        for (size_t i = 0; same && i < 4; ++i)
            same = static_cast<float>(dx9Row[i]) == glRow[static_cast<size_t>(width) - 4 + i];

        if (!bandwidth) {
            std::printf("n=%d  renderer=%s  DX9 Render %.1f ms  bare GL %.1f ms  ratio %.3f (target <= 1.15)  %s\n", n,
                        gl.renderer.c_str(), dx9Ms, glMs, dx9Ms / glMs, same ? "results equal" : "RESULTS DIFFER");
        } else {
            const double bytes = RenderBytes(width, height);
            const double gbs = bytes / (dx9Ms * 1e-3) / 1e9;
            const double peak = peakGbs > 0 ? peakGbs : KnownPeakGbs(gl.renderer);
            std::printf("n=%d  renderer=%s  DX9 Render %.1f ms  %.3g GB moved  %.1f GB/s", n, gl.renderer.c_str(),
                        dx9Ms, bytes / 1e9, gbs);
            if (peak > 0) std::printf(" (%.1f%% of peak %.0f GB/s)", 100 * gbs / peak, peak);
            else std::printf(" (peak unknown: pass --peak-gbs)");
            std::printf("  bare GL %.1f ms %.1f GB/s  %s\n", glMs, bytes / (glMs * 1e-3) / 1e9,
                        same ? "results equal" : "RESULTS DIFFER");
        }
        std::fflush(stdout);
    }
    DestroyWindow(hWnd);
    return 0;
}
