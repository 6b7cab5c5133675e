#include "StdControls.h"

#include "Exception.h"
#include "PictureResource.h"
#include "Text.h"

#include <algorithm>
#include <vector>

void TClickControl::Click() {
    if (onClick_)
        onClick_(*this);
}

bool TClickControl::CommandNotify(WORD code) {
    // Buttons report BN_CLICKED, statics with SS_NOTIFY STN_CLICKED; both are 0.
    if (code != BN_CLICKED)
        return false;
    Click();
    return true;
}

// --- TButton

TButton::TButton(TComponent* owner) : TClickControl(owner) {
    SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.className = L"BUTTON";
    params.style |= WS_TABSTOP | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    if (HandleAllocated())
        SendMessageW(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

// --- TSpeedButton

namespace {
// The glyph's background (its bottom-left pixel's colour) becomes the button
// face, so the picture sits on the button as if it had no background.
GdiObject OnButtonFace(HBITMAP source) {
    BITMAP info{};
    if (!GetObjectW(source, sizeof info, &info))
        throw Exception("Invalid glyph bitmap");
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = info.bmHeight;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> pixels(size_t(info.bmWidth) * size_t(info.bmHeight));
    HDC screen = GetDC(nullptr);
    int lines =
        GetDIBits(screen, source, 0, UINT(info.bmHeight), pixels.data(), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (lines <= 0 || pixels.empty())
        throw Exception("Invalid glyph bitmap");
    RGBQUAD key = pixels[0]; // bottom-up: the first pixel is the bottom-left one
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    RGBQUAD faceQuad{GetBValue(face), GetGValue(face), GetRValue(face), 0};
    for (RGBQUAD& p : pixels)
        if (p.rgbRed == key.rgbRed && p.rgbGreen == key.rgbGreen && p.rgbBlue == key.rgbBlue)
            p = faceQuad;
    void* bits = nullptr;
    GdiObject result(CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!result)
        throw Exception("Cannot make the glyph bitmap");
    memcpy(bits, pixels.data(), pixels.size() * sizeof(RGBQUAD));
    return result;
}
} // namespace

TSpeedButton::TSpeedButton(TComponent* owner) : TClickControl(owner) {
    SetBounds(0, 0, 23, 22);
}

void TSpeedButton::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.className = L"BUTTON";
    params.style |= BS_PUSHBUTTON | BS_FLAT;
    if (glyph_ && Caption().empty())
        params.style |= BS_BITMAP;
}

void TSpeedButton::HandleCreated() {
    if (glyph_)
        SendMessageW(Handle(), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(glyph_.Get()));
}

void TSpeedButton::SetGlyph(GdiObject bitmap) {
    glyphResource_.clear();
    ShowGlyph(std::move(bitmap));
}

void TSpeedButton::ShowGlyph(GdiObject bitmap) {
    glyph_ = bitmap ? OnButtonFace(static_cast<HBITMAP>(bitmap.Get())) : GdiObject();
    if (HandleAllocated()) {
        SetWindowStyle(BS_BITMAP, glyph_ && Caption().empty());
        SendMessageW(Handle(), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(glyph_.Get()));
    }
}

namespace {
int GlyphSize(int pixelsPerInch) {
    return ScaleLength(kShippedPictureSizes[0], pixelsPerInch, kDesignedPixelsPerInch);
}
} // namespace

void TSpeedButton::LoadGlyph(const std::string& resourceName) {
    ShowGlyph(LoadPictureResource(resourceName, GlyphSize(PixelsPerInch())));
    glyphResource_ = resourceName;
}

void TSpeedButton::ChangeScale(int toPpi, int fromPpi) {
    TClickControl::ChangeScale(toPpi, fromPpi);
    if (!glyphResource_.empty())
        ShowGlyph(LoadPictureResource(glyphResource_, GlyphSize(toPpi)));
}

// --- TLabel

TLabel::TLabel(TComponent* owner) : TClickControl(owner) {
    SetBounds(0, 0, 65, 13);
}

void TLabel::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.className = L"STATIC";
    params.style |= SS_LEFT | SS_NOTIFY | SS_NOPREFIX;
    if (transparent_)
        params.exStyle |= WS_EX_TRANSPARENT;
}

void TLabel::HandleCreated() {
    AdjustSize();
}

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    SetExWindowStyle(WS_EX_TRANSPARENT, transparent);
    Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

void TLabel::AdjustSize() {
    if (!autoSize_)
        return;
    HDC dc = GetDC(nullptr);
    RECT r{0, 0, 0, 0};
    {
        ScopedSelect font(dc, Font().Handle());
        std::wstring text = Widen(Caption().empty() ? " " : Caption());
        DrawTextW(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_NOPREFIX);
    }
    ReleaseDC(nullptr, dc);
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

LRESULT TLabel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = TClickControl::WndProc(msg, wParam, lParam);
    if (msg == WM_SETTEXT || msg == WM_SETFONT)
        AdjustSize();
    return result;
}

HBRUSH TLabel::ControlColor(HDC dc) {
    SetTextColor(dc, ColorToRGB(Font().Color()));
    if (transparent_) {
        SetBkMode(dc, TRANSPARENT);
        // A native static cannot see through to a sibling picture, so a label
        // on a picture paints that part of the picture as its background.
        if (Parent())
            for (TControl* sibling : Parent()->Controls())
                if (auto* image = dynamic_cast<TImage*>(sibling); image && image->Bitmap()) {
                    TRect under = image->BoundsRect(), self = BoundsRect();
                    if (self.left >= under.left && self.top >= under.top &&
                        self.right <= under.right && self.bottom <= under.bottom) {
                        SetBrushOrgEx(dc, under.left - self.left, under.top - self.top, nullptr);
                        return brush_.Pattern(image->Bitmap());
                    }
                }
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    SetBkColor(dc, ColorToRGB(Color()));
    return brush_.Solid(ColorToRGB(Color()));
}

// --- TStaticText

static DWORD AlignmentStyle(TAlignment alignment) {
    return alignment == taCenter ? SS_CENTER : alignment == taRightJustify ? SS_RIGHT : SS_LEFT;
}

TStaticText::TStaticText(TComponent* owner) : TClickControl(owner) {
    SetBounds(0, 0, 65, 17);
}

void TStaticText::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.className = L"STATIC";
    params.style |= SS_NOTIFY | SS_NOPREFIX;
    params.style |= AlignmentStyle(alignment_);
    if (borderStyle_ == sbsSingle)
        params.style |= WS_BORDER;
    else if (borderStyle_ == sbsSunken)
        params.style |= SS_SUNKEN;
}

void TStaticText::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    SetWindowStyle(SS_TYPEMASK, false);
    SetWindowStyle(AlignmentStyle(alignment), true);
}

void TStaticText::SetBorderStyle(TStaticBorderStyle style) {
    borderStyle_ = style;
    SetWindowStyle(WS_BORDER, style == sbsSingle);
    SetWindowStyle(SS_SUNKEN, style == sbsSunken);
}

void TStaticText::Loaded() {
    TClickControl::Loaded();
    designedWidth_ = Width();
    FitCaption();
}

void TStaticText::ChangeScale(int toPpi, int fromPpi) {
    if (designedWidth_ >= 0)
        designedWidth_ = designedWidthScale_.Rescale(designedWidth_, fromPpi, toPpi);
    TClickControl::ChangeScale(toPpi, fromPpi);
    FitCaption();
}

LRESULT TStaticText::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = TClickControl::WndProc(msg, wParam, lParam);
    if (msg == WM_SETTEXT || msg == WM_SETFONT)
        FitCaption();
    return result;
}

// The readouts under the charts are longer than their designed box; cut off,
// they would lose the value the user moved the pointer for.
void TStaticText::FitCaption() {
    if (!HandleAllocated() || Loading())
        return;
    if (designedWidth_ < 0)
        designedWidth_ = Width();
    HWND hwnd = Handle();
    HDC dc = GetDC(hwnd);
    RECT text{0, 0, 0, 0};
    {
        // The font the window draws with: its parent's while it has none.
        ScopedSelect font(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
        const std::wstring caption = Widen(Caption());
        DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_CALCRECT | DT_NOPREFIX);
    }
    ReleaseDC(hwnd, dc);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
    constexpr int kPadding = 4;
    const int needed = (text.right - text.left) + (frame.right - frame.left) + kPadding;
    const int width = std::max(designedWidth_, needed);
    if (width == Width())
        return;
    const int left = alignment_ == taCenter ? Left() + (Width() - width) / 2 : Left();
    SetBounds(left, Top(), width, Height());
}

HBRUSH TStaticText::ControlColor(HDC dc) {
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    return brush_.Solid(ColorToRGB(Color()));
}

// --- TImage

TImage::TImage(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 105, 105);
}

void TImage::CreateParams(TCreateParams& params) {
    TControl::CreateParams(params);
    params.className = L"STATIC";
    // It never paints over the controls above it.
    params.style |= SS_BITMAP | SS_NOTIFY | WS_CLIPSIBLINGS;
}

void TImage::HandleCreated() {
    if (Bitmap())
        SendMessageW(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(Bitmap()));
    FitToBitmap();
}

void TImage::SendToBack() {
    SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TImage::SetBitmap(GdiObject bitmap) {
    picture_ = std::move(bitmap);
    ShowPicture();
}

void TImage::ChangeScale(int toPpi, int fromPpi) {
    TControl::ChangeScale(toPpi, fromPpi);
    ShowPicture();
}

namespace {
// The picture at another scale, smoothed: a photograph, not pixel art.
GdiObject ScaledPicture(HBITMAP picture, int pixelsPerInch) {
    BITMAP info{};
    if (!GetObjectW(picture, sizeof info, &info))
        throw Exception("Invalid picture bitmap");
    const int width = ScaleLength(info.bmWidth, pixelsPerInch, kDesignedPixelsPerInch);
    const int height = ScaleLength(info.bmHeight, pixelsPerInch, kDesignedPixelsPerInch);
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = width;
    header.bmiHeader.biHeight = -height;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject scaled(CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDc from(CreateCompatibleDC(nullptr));
    MemoryDc to(CreateCompatibleDC(nullptr));
    if (!scaled || !from || !to)
        throw Exception("Cannot scale the picture");
    ScopedSelect source(from.Get(), picture);
    ScopedSelect target(to.Get(), scaled.Get());
    SetStretchBltMode(to.Get(), HALFTONE);
    SetBrushOrgEx(to.Get(), 0, 0, nullptr);
    StretchBlt(to.Get(), 0, 0, width, height, from.Get(), 0, 0, info.bmWidth, info.bmHeight,
               SRCCOPY);
    return scaled;
}
} // namespace

void TImage::ShowPicture() {
    GdiObject shown = picture_ && PixelsPerInch() != kDesignedPixelsPerInch
                          ? ScaledPicture(static_cast<HBITMAP>(picture_.Get()), PixelsPerInch())
                          : GdiObject();
    // The window lets go of the picture it shows before that one is deleted.
    if (HandleAllocated())
        SendMessageW(Handle(), STM_SETIMAGE, IMAGE_BITMAP,
                     reinterpret_cast<LPARAM>((shown ? shown : picture_).Get()));
    shown_ = std::move(shown);
    FitToBitmap();
}

void TImage::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    FitToBitmap();
}

void TImage::FitToBitmap() {
    BITMAP info{};
    if (autoSize_ && Bitmap() && GetObjectW(Bitmap(), sizeof info, &info))
        SetBounds(Left(), Top(), info.bmWidth, info.bmHeight);
}
