#pragma once
// Pictures for the background and effect tests: 32-bpp BMP files made in
// memory, and pixel helpers for premultiplied back-buffer pixels.

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace background_test {

// A BMP file of width x height whose pixel (x, y), counted from the top, is
// pixel(x, y) as 0x00RRGGBB.
inline std::vector<std::uint8_t> MakeBmp(int width, int height, const std::function<std::uint32_t(int, int)>& pixel) {
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(width) * height * 4;
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + pixelBytes;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;  // bottom-up
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    info.biSizeImage = pixelBytes;
    std::vector<std::uint8_t> bytes(file.bfSize);
    std::memcpy(bytes.data(), &file, sizeof file);
    std::memcpy(bytes.data() + sizeof file, &info, sizeof info);
    auto* out = bytes.data() + file.bfOffBits;
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = pixel(x, y);
            std::memcpy(out + (static_cast<size_t>(row) * width + x) * 4, &v, 4);
        }
    }
    return bytes;
}

inline std::vector<std::uint8_t> SolidBmp(int width, int height, std::uint32_t rgb) {
    return MakeBmp(width, height, [rgb](int, int) { return rgb; });
}

inline int Alpha(std::uint32_t argb) { return static_cast<int>(argb >> 24); }
inline int Red(std::uint32_t argb) { return static_cast<int>((argb >> 16) & 0xFF); }
inline int Green(std::uint32_t argb) { return static_cast<int>((argb >> 8) & 0xFF); }
inline int Blue(std::uint32_t argb) { return static_cast<int>(argb & 0xFF); }

// Whether two pixels differ by at most tolerance in every channel.
inline bool Near(std::uint32_t a, std::uint32_t b, int tolerance = 2) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance) return false;
    }
    return true;
}

}  // namespace background_test
