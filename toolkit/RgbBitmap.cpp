#include "RgbBitmap.h"

#include "Exception.h"

#include <cstring>

GdiObject BitmapFromRgb(const RgbImage& image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height; // rows top to bottom, as decoded
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        throw Exception("Cannot create a bitmap for the picture");
    auto* out = static_cast<uint8_t*>(bits);
    const uint8_t* in = image.pixels.data();
    for (size_t i = 0, n = size_t(image.width) * size_t(image.height); i < n; ++i) {
        out[i * 4 + 0] = in[i * 3 + 2];
        out[i * 4 + 1] = in[i * 3 + 1];
        out[i * 4 + 2] = in[i * 3 + 0];
        out[i * 4 + 3] = 0;
    }
    return bitmap;
}
