// The elimination loop written as the algorithm is described, for
// comparison only: the bench builds this file for the machine it runs on
// (-O3 -march=native -ffp-contract=off).
#include <cstddef>
#include <vector>

namespace {

template <class T>
void Plain(T* data, int width, int height) {
    std::vector<T> factor(static_cast<std::size_t>(height));
    const std::size_t w = static_cast<std::size_t>(width);
    for (int i = 0; i < height - 1; ++i) {
        const T pivot = data[i * w + i];
        for (int r = 0; r < height; ++r)
            factor[r] = static_cast<T>(static_cast<double>(data[r * w + i]) / static_cast<double>(pivot));
        for (int r = i + 1; r < height; ++r)
            for (int c = i; c < width; ++c)
                data[r * w + c] = static_cast<T>(static_cast<double>(data[r * w + c]) -
                                                 static_cast<double>(data[i * w + c]) * static_cast<double>(factor[r]));
    }
}

}  // namespace

void PlainEliminate(float* data, int width, int height) { Plain(data, width, height); }
void PlainEliminate(double* data, int width, int height) { Plain(data, width, height); }
