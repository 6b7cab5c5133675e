#pragma once

#include "ChartColor.h"
#include "toolkit/Handle.h"

// An off-screen 32-bit picture with its own memory device context: the
// chart paints into it and shows it in one copy, so the window never
// flickers, and tests read its pixels.
class GdiBackBuffer {
public:
    GdiBackBuffer() = default;
    GdiBackBuffer(int width, int height) { Resize(width, height); }
    ~GdiBackBuffer();
    GdiBackBuffer(const GdiBackBuffer&) = delete;
    GdiBackBuffer& operator=(const GdiBackBuffer&) = delete;

    // Keeps the bitmap when the size is unchanged, so repeated paints of one
    // size allocate nothing.
    void Resize(int width, int height);
    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // 0x00BBGGRR of one pixel, for tests and benchmarks.
    TColor Pixel(int x, int y) const;
    // Copies the picture to (x, y) of `target`.
    void Present(HDC target, int x = 0, int y = 0) const;

private:
    void Release();

    MemoryDc dc_;
    GdiObject bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
    const uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
