#pragma once

// A control's font: name, height in pixels (negative = character height, as
// LOGFONT), size in points, style and colour. Every change raises OnChange at
// once; the owning control passes the new font to its window.
//
// The height is in pixels of the font's scale, PixelsPerInch: 96 as designed
// until ScaleTo takes it to a screen's scale (its control does, with itself).
// A size in points is converted at that scale, so a font given in points and
// one given in pixels scale alike.
//
//   Name/SetName, Height/SetHeight, Size/SetSize (points at PixelsPerInch),
//   Style/SetStyle (fsBold | fsItalic | ...), Color/SetColor,
//   Assign(other)                   copy all attributes, one OnChange
//   PixelsPerInch(), ScaleTo(ppi)    the scale; a new one, scaled from the
//                                   height as given (ScaledLength)
//   HFONT Handle()                  made on demand, owned by the font
//   LOGFONTW LogFont()              for drawing code that needs a variant (rotation)
#include "Color.h"
#include "Handle.h"
#include "ScreenScale.h"

#include <functional>
#include <string>

using TFontStyles = unsigned;
constexpr TFontStyles fsBold = 0x01;
constexpr TFontStyles fsItalic = 0x02;
constexpr TFontStyles fsUnderline = 0x04;
constexpr TFontStyles fsStrikeOut = 0x08;

class TFont {
public:
    TFont() = default;
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name);
    int Height() const { return height_; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    void Assign(const TFont& other);
    int PixelsPerInch() const { return pixelsPerInch_; }
    void ScaleTo(int pixelsPerInch);

    HFONT Handle();
    LOGFONTW LogFont() const;

    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

private:
    void Changed();

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
    int pixelsPerInch_ = kDesignedPixelsPerInch;
    ScaledLength heightScale_;
    GdiObject handle_;
    std::function<void()> onChange_;
};
