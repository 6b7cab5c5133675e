#include "GdiBackBuffer.h"

#include "toolkit/Exception.h"
#include "toolkit/Text.h"

GdiBackBuffer::~GdiBackBuffer() {
    Release();
}

void GdiBackBuffer::Release() {
    if (dc_ && oldBitmap_)
        SelectObject(dc_.Get(), oldBitmap_);
    oldBitmap_ = nullptr;
    bitmap_.Reset();
    bits_ = nullptr;
}

void GdiBackBuffer::Resize(int width, int height) {
    if (width < 1)
        width = 1;
    if (height < 1)
        height = 1;
    if (bitmap_ && width == width_ && height == height_)
        return;
    if (!dc_) {
        dc_.Reset(CreateCompatibleDC(nullptr));
        if (!dc_)
            throw Exception("Cannot create a memory device context: " +
                            SysErrorMessage(GetLastError()));
    }
    Release();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_)
        throw Exception("Cannot create a bitmap: " + SysErrorMessage(GetLastError()));
    bits_ = static_cast<const uint32_t*>(bits);
    oldBitmap_ = SelectObject(dc_.Get(), bitmap_.Get());
    width_ = width;
    height_ = height;
}

TColor GdiBackBuffer::Pixel(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_)
        return clNone;
    GdiFlush();
    uint32_t bgra = bits_[size_t(y) * size_t(width_) + size_t(x)];
    // The DIB holds 0x00RRGGBB; the toolkit colour is 0x00BBGGRR.
    return ((bgra & 0xFF) << 16) | (bgra & 0xFF00) | ((bgra >> 16) & 0xFF);
}

void GdiBackBuffer::Present(HDC target, int x, int y) const {
    if (dc_)
        BitBlt(target, x, y, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
}
