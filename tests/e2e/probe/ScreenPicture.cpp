#include "ScreenPicture.h"

#include "toolkit/Text.h"

#include <stdexcept>
#include <vector>

std::unique_ptr<GdiBackBuffer> CaptureClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    auto picture = std::make_unique<GdiBackBuffer>(client.right, client.bottom);
    HDC screen = GetDC(nullptr);
    if (!screen)
        throw std::runtime_error("cannot read the screen");
    const BOOL copied = BitBlt(picture->Dc(), 0, 0, client.right, client.bottom, screen, origin.x,
                               origin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    if (!copied)
        throw std::runtime_error("cannot copy the screen: " + std::to_string(GetLastError()));
    return picture;
}

void SaveBmp(const GdiBackBuffer& picture, const std::string& path) {
    const int width = picture.Width(), height = picture.Height();
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> rows(size_t(stride) * size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const TColor c = picture.Pixel(x, y); // 0x00BBGGRR
            char* p = &rows[size_t(height - 1 - y) * size_t(stride) + size_t(x) * 3];
            p[0] = char((c >> 16) & 0xFF);
            p[1] = char((c >> 8) & 0xFF);
            p[2] = char(c & 0xFF);
        }
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = DWORD(rows.size());
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    FileHandle out(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out)
        throw std::runtime_error("cannot create " + path);
    DWORD written = 0;
    WriteFile(out.Get(), &file, sizeof file, &written, nullptr);
    WriteFile(out.Get(), &info, sizeof info, &written, nullptr);
    WriteFile(out.Get(), rows.data(), DWORD(rows.size()), &written, nullptr);
}
