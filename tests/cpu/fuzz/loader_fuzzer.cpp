// libFuzzer target: the matrix loader against the "%f " scan on arbitrary
// bytes. The first two bytes give the matrix size (1 to 16 each); the rest
// is the text after the header. Any difference aborts.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cpu/matrix_loader.h"

namespace {

const std::string& ScratchPath() {
    static const std::string path = "/tmp/kd_loader_fuzz_" + std::to_string(getpid()) + ".txt";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size < 2) return 0;
    const int width = bytes[0] % 16 + 1;
    const int height = bytes[1] % 16 + 1;
    std::FILE* f = std::fopen(ScratchPath().c_str(), "wb");
    if (!f) return 0;
    std::fprintf(f, "%d %d\n", width, height);
    std::fwrite(bytes + 2, 1, size - 2, f);
    std::fclose(f);

    std::vector<float> expected;
    f = std::fopen(ScratchPath().c_str(), "r");
    int w = 0;
    int h = 0;
    if (std::fscanf(f, "%d %d\n", &w, &h) != 2) std::abort();
    float temp = 0.0f;
    for (int r = 0; r < h; ++r) {
        for (int c = 0; c < w; ++c) {
            const int scanned = std::fscanf(f, "%f ", &temp);  // a failed scan keeps temp
            (void)scanned;
            expected.push_back(temp);
        }
        const int skipped = std::fscanf(f, "\n");
        (void)skipped;
    }
    std::fclose(f);

    std::vector<float> got(expected.size());
    f = std::fopen(ScratchPath().c_str(), "r");
    if (std::fscanf(f, "%d %d\n", &w, &h) != 2) std::abort();
    temp = 0.0f;
    ScanMatrixValues(f, got.data(), got.size(), temp);
    std::fclose(f);
    if (std::memcmp(got.data(), expected.data(), got.size() * sizeof(float)) != 0) std::abort();
    return 0;
}
