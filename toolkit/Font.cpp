#include "Font.h"

#include "Text.h"

#include <cwchar>

void TFont::SetName(std::string name) {
    if (name != name_) {
        name_ = std::move(name);
        Changed();
    }
}

void TFont::SetHeight(int height) {
    if (height != height_) {
        height_ = height;
        Changed();
    }
}

int TFont::Size() const {
    int magnitude = height_ < 0 ? -height_ : height_;
    return MulDiv(magnitude, 72, pixelsPerInch_);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, pixelsPerInch_, 72));
}

void TFont::SetStyle(TFontStyles style) {
    if (style != style_) {
        style_ = style;
        Changed();
    }
}

void TFont::SetColor(TColor color) {
    if (color != color_) {
        color_ = color;
        Changed();
    }
}

void TFont::Assign(const TFont& other) {
    if (&other == this)
        return;
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    pixelsPerInch_ = other.pixelsPerInch_;
    heightScale_ = other.heightScale_;
    Changed();
}

void TFont::ScaleTo(int pixelsPerInch) {
    if (pixelsPerInch == pixelsPerInch_)
        return;
    const int height = heightScale_.Rescale(height_, pixelsPerInch_, pixelsPerInch);
    pixelsPerInch_ = pixelsPerInch;
    height_ = height;
    Changed();
}

void TFont::Changed() {
    handle_.Reset();
    if (onChange_)
        onChange_();
}

LOGFONTW TFont::LogFont() const {
    LOGFONTW lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    std::wstring face = Widen(name_);
    wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return lf;
}

HFONT TFont::Handle() {
    if (!handle_) {
        LOGFONTW lf = LogFont();
        handle_.Reset(CreateFontIndirectW(&lf));
    }
    return static_cast<HFONT>(handle_.Get());
}
