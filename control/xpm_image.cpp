#include "control/xpm_image.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace wendax {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// The pixel of one colour line ("X c #RRGGBB" or "X c None"); false when ill-formed.
bool ReadColor(std::string_view line, std::uint32_t& pixel) {
    if (line.size() < 5 || line.substr(1, 3) != " c ") return false;
    const std::string_view value = line.substr(4);
    if (value == "None") {
        pixel = 0;
        return true;
    }
    unsigned rgb = 0;
    if (value.size() != 7 || value[0] != '#' ||
        std::sscanf(std::string(value.substr(1)).c_str(), "%6x", &rgb) != 1)
        return false;
    pixel = kOpaque | rgb;
    return true;
}

}  // namespace

TBitmap ReadXpm(const char* const* lines, std::size_t count) {
    int width = 0;
    int height = 0;
    int colors = 0;
    int perPixel = 0;
    if (count == 0 ||
        std::sscanf(lines[0], "%d %d %d %d", &width, &height, &colors, &perPixel) != 4 ||
        width <= 0 || height <= 0 || colors <= 0 || perPixel != 1 ||
        count != 1 + static_cast<std::size_t>(colors) + static_cast<std::size_t>(height))
        return {};
    std::array<std::uint32_t, 256> palette{};
    std::array<bool, 256> known{};
    for (int c = 1; c <= colors; ++c) {
        const auto key = static_cast<unsigned char>(lines[c][0]);
        if (!ReadColor(lines[c], palette[key])) return {};
        known[key] = true;
    }
    TBitmap bitmap{width, height, {}};
    bitmap.Pixels.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const char* row = lines[1 + colors + y];
        if (std::strlen(row) != static_cast<std::size_t>(width)) return {};
        for (int x = 0; x < width; ++x) {
            const auto key = static_cast<unsigned char>(row[x]);
            if (!known[key]) return {};
            bitmap.Pixels.push_back(palette[key]);
        }
    }
    return bitmap;
}

}  // namespace wendax
