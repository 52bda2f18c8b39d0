#include "ImageScaler.h"

#include <algorithm>
#include <cmath>

namespace fixedgl {

namespace {

struct Share {
    int index;
    double weight;
};

// Which old pixels each new pixel along one axis covers, and how much of each.
std::vector<std::vector<Share>> shares(int from, int to, ImageScaler::Box box) {
    const double step = static_cast<double>(from) / to;
    const double half = from < to && box == ImageScaler::Box::atLeastOnePixel ? 0.5 : step / 2.0;
    std::vector<std::vector<Share>> all(static_cast<std::size_t>(to));
    for (int i = 0; i < to; ++i) {
        const double centre = step * (i + 0.5);
        const double low = centre - half;
        const double high = centre + half;
        for (double cell = std::floor(low); cell < high; cell += 1.0) {
            const double covered = std::min(high, cell + 1.0) - std::max(low, cell);
            const int index = (static_cast<int>(cell) % from + from) % from;
            if (covered > 0.0) all[static_cast<std::size_t>(i)].push_back({index, covered});
        }
    }
    return all;
}

}  // namespace

std::vector<unsigned char> ImageScaler::scale(const unsigned char* from, int width, int height, int bytesPerPixel,
                                              int toWidth, int toHeight, Box box) {
    const auto across = shares(width, toWidth, box);
    const auto down = shares(height, toHeight, box);
    std::vector<unsigned char> to(static_cast<std::size_t>(toWidth) * toHeight * bytesPerPixel);
    std::vector<double> sum(static_cast<std::size_t>(bytesPerPixel));
    for (int y = 0; y < toHeight; ++y) {
        for (int x = 0; x < toWidth; ++x) {
            std::fill(sum.begin(), sum.end(), 0.0);
            double area = 0.0;
            for (const Share& row : down[static_cast<std::size_t>(y)]) {
                for (const Share& column : across[static_cast<std::size_t>(x)]) {
                    const double weight = row.weight * column.weight;
                    const unsigned char* pixel = from + (static_cast<std::size_t>(row.index) * width + column.index) *
                                                            static_cast<std::size_t>(bytesPerPixel);
                    for (int c = 0; c < bytesPerPixel; ++c) sum[c] += pixel[c] * weight;
                    area += weight;
                }
            }
            unsigned char* out = &to[(static_cast<std::size_t>(y) * toWidth + x) * bytesPerPixel];
            for (int c = 0; c < bytesPerPixel; ++c) out[c] = static_cast<unsigned char>(sum[c] / area + 0.5);
        }
    }
    return to;
}

std::vector<unsigned char> ImageScaler::halve(const std::vector<unsigned char>& from, int width, int height,
                                              int bytesPerPixel) {
    const int toWidth = std::max(1, width / 2);
    const int toHeight = std::max(1, height / 2);
    const int stepX = width > 1 ? 2 : 1;
    const int stepY = height > 1 ? 2 : 1;
    const int count = stepX * stepY;
    std::vector<unsigned char> to(static_cast<std::size_t>(toWidth) * toHeight * bytesPerPixel);
    for (int y = 0; y < toHeight; ++y) {
        for (int x = 0; x < toWidth; ++x) {
            for (int c = 0; c < bytesPerPixel; ++c) {
                int sum = 0;
                for (int dy = 0; dy < stepY; ++dy) {
                    for (int dx = 0; dx < stepX; ++dx) {
                        sum +=
                            from[(static_cast<std::size_t>(y * stepY + dy) * width + x * stepX + dx) * bytesPerPixel +
                                 c];
                    }
                }
                to[(static_cast<std::size_t>(y) * toWidth + x) * bytesPerPixel + c] =
                    static_cast<unsigned char>((sum + count / 2) / count);
            }
        }
    }
    return to;
}

int ImageScaler::nearestPowerOfTwo(int size) {
    int power = 1;
    while (power * 2 <= size) power *= 2;
    return (size - power) * 2 >= power ? power * 2 : power;
}

}  // namespace fixedgl
