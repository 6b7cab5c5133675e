// Text that a program draws itself (no control holds it) found on the
// screen: the expected text is drawn here with the font the program draws
// it with, and its exact pixels are looked for in what the screen shows of
// the program's window.
#include "Commands.h"
#include "ScreenPicture.h"

#include "chart/GdiChartCanvas.h"

#include <vector>

namespace {
// Where a text puts its colour: the box of every pixel it touches, and in it
// the pixels it covers whole. Smoothed edges blend the colour with whatever
// lies beneath (a gradient, here), so only the whole pixels are the text's
// own: they show its colour exactly, on any background.
struct Glyphs {
    int width = 0, height = 0;
    std::vector<bool> solid;
    int solidCount = 0;
};

// The text as the chart draws it (transparent, in `font`), its reference
// point placed so that every rotation lands inside the picture.
Glyphs DrawGlyphs(const ChartFontSpec& font, const std::string& text) {
    constexpr TColor kPaper = 0xFFFFFF;
    ChartSize size;
    {
        GdiBackBuffer measure(1, 1);
        GdiChartCanvas canvas(measure.Dc());
        canvas.SetFont(font);
        size = canvas.TextExtent(text);
    }
    const int reach = size.cx + size.cy + 4;
    GdiBackBuffer picture(2 * reach, 2 * reach);
    {
        GdiChartCanvas canvas(picture.Dc());
        canvas.FillRect({0, 0, 2 * reach, 2 * reach}, kPaper);
        canvas.SetBrush(kPaper, ChartBrushStyle::Clear);
        canvas.SetFont(font);
        canvas.TextAt(reach, reach, text);
    }
    int left = picture.Width(), top = picture.Height(), right = -1, bottom = -1;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.Pixel(x, y) != kPaper) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    Glyphs glyphs;
    if (right < 0)
        return glyphs;
    glyphs.width = right - left + 1;
    glyphs.height = bottom - top + 1;
    glyphs.solid.resize(size_t(glyphs.width) * size_t(glyphs.height));
    for (int y = 0; y < glyphs.height; ++y)
        for (int x = 0; x < glyphs.width; ++x)
            if (picture.Pixel(left + x, top + y) == font.color) {
                glyphs.solid[size_t(y) * size_t(glyphs.width) + size_t(x)] = true;
                ++glyphs.solidCount;
            }
    return glyphs;
}

// Every place where the box shows the text's colour exactly at the pixels
// the text covers whole and at no other pixel, nor on a stretch before and
// after it along the line of text: a longer text that holds the expected
// one does not pass.
std::vector<POINT> FindGlyphs(const GdiBackBuffer& screen, const Glyphs& glyphs,
                              const ChartFontSpec& font) {
    constexpr int kStretch = 6; // more than a blank between two words
    const bool upright = font.angle % 180 == 0;
    const int marginX = upright ? kStretch : 0, marginY = upright ? 0 : kStretch;
    auto colored = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < screen.Width() && y < screen.Height() &&
               screen.Pixel(x, y) == font.color;
    };
    auto solid = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < glyphs.width && y < glyphs.height &&
               glyphs.solid[size_t(y) * size_t(glyphs.width) + size_t(x)];
    };
    auto matches = [&](int left, int top, int fromX, int toX, int fromY, int toY) {
        for (int y = fromY; y < toY; ++y)
            for (int x = fromX; x < toX; ++x)
                if (colored(left + x, top + y) != solid(x, y))
                    return false;
        return true;
    };
    std::vector<POINT> found;
    for (int top = 0; top + glyphs.height <= screen.Height(); ++top)
        for (int left = 0; left + glyphs.width <= screen.Width(); ++left)
            if (matches(left, top, 0, glyphs.width, 0, glyphs.height) &&
                matches(left, top, -marginX, glyphs.width + marginX, -marginY,
                        glyphs.height + marginY))
                found.push_back({left, top});
    return found;
}
} // namespace

// findtext <hwnd> <font face> <height> <angle> <colour 0xBBGGRR> <text>
void FindTextOnScreen(const Args& args, Json& out) {
    HWND window = WindowArg(args, 0);
    if (args.size() < 6)
        throw std::runtime_error("findtext needs a window, a font, an angle, a colour and a text");
    ChartFontSpec font;
    font.name = args[1];
    font.height = int(NumberArg(args, 2));
    font.angle = int(NumberArg(args, 3));
    font.color = TColor(NumberArg(args, 4));
    const Glyphs glyphs = DrawGlyphs(font, args[5]);
    if (glyphs.solidCount == 0)
        throw std::runtime_error("the text covers no pixel whole");
    const std::unique_ptr<GdiBackBuffer> screen = CaptureClient(window);
    out.BeginObject()
        .Field("solid", glyphs.solidCount)
        .Key("size")
        .BeginArray()
        .Int(glyphs.width)
        .Int(glyphs.height)
        .EndArray();
    out.Key("found").BeginArray();
    for (const POINT& at : FindGlyphs(*screen, glyphs, font))
        out.BeginArray().Int(at.x).Int(at.y).EndArray();
    out.EndArray().EndObject();
}

// capture <hwnd> <path>: the window's client area as the screen shows it.
void CaptureWindow(const Args& args, Json& out) {
    HWND window = WindowArg(args, 0);
    if (args.size() < 2)
        throw std::runtime_error("capture needs a window and a path");
    const std::unique_ptr<GdiBackBuffer> screen = CaptureClient(window);
    SaveBmp(*screen, args[1]);
    out.BeginObject().Field("width", screen->Width()).Field("height", screen->Height()).EndObject();
}
