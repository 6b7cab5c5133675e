#include "PictureResource.h"

#include "Exception.h"
#include "ScreenScale.h"
#include "Text.h"

#include <algorithm>

namespace {
GdiObject LoadBitmapResource(const std::string& name) {
    return GdiObject(LoadImageW(GetModuleHandleW(nullptr), Widen(name).c_str(), IMAGE_BITMAP, 0, 0,
                                LR_CREATEDIBSECTION));
}

SIZE BitmapSize(HGDIOBJ bitmap) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}
} // namespace

GdiObject LoadPictureResource(const std::string& name, int size) {
    PictureFit fit = ShippedPicture(size);
    GdiObject source;
    if (fit.shipped != kShippedPictureSizes[0])
        source = LoadBitmapResource(name + "_" + std::to_string(fit.shipped));
    if (!source) {
        fit = ShippedPicture(kShippedPictureSizes[0]);
        fit.factor = std::max(1, size / fit.shipped);
        source = LoadBitmapResource(name);
    }
    if (!source)
        throw Exception("Bitmap resource " + name + " not found");
    const SIZE shipped = BitmapSize(source.Get());
    if (shipped.cx == size && shipped.cy == size)
        return source;

    MemoryDc from(CreateCompatibleDC(nullptr));
    MemoryDc to(CreateCompatibleDC(nullptr));
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = size;
    header.bmiHeader.biHeight = size;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject square(CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!from || !to || !square)
        throw Exception("Cannot draw the picture " + name);
    ScopedSelect fromPicture(from.Get(), source.Get());
    ScopedSelect toSquare(to.Get(), square.Get());
    // The see-through colour all round, then the picture in whole pixels.
    const COLORREF clear = GetPixel(from.Get(), 0, shipped.cy - 1);
    GdiObject brush(CreateSolidBrush(clear));
    RECT all{0, 0, size, size};
    FillRect(to.Get(), &all, static_cast<HBRUSH>(brush.Get()));
    SetStretchBltMode(to.Get(), COLORONCOLOR);
    const int width = shipped.cx * fit.factor, height = shipped.cy * fit.factor;
    StretchBlt(to.Get(), (size - width) / 2, (size - height) / 2, width, height, from.Get(), 0, 0,
               shipped.cx, shipped.cy, SRCCOPY);
    return square;
}
