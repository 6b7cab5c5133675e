#pragma once

// The small native controls of the forms, each a real window with its text:
//
//   TButton      push button: Caption, Default, OnClick
//   TSpeedButton flat push button with a glyph (its bottom-left pixel's
//                colour is see-through): Caption, SetGlyph(bitmap),
//                LoadGlyph(resource name: a picture of PictureResource.h,
//                16 x 16 as designed, loaded again at each screen scale),
//                OnClick, Hint
//   TLabel       static text, transparent by default, sized to its text
//                (AutoSize): Caption, Transparent, AutoSize, OnClick
//   TStaticText  static text with a border and a background colour:
//                Caption, Alignment (taLeftJustify, taCenter,
//                taRightJustify), BorderStyle (sbsNone, sbsSingle,
//                sbsSunken), Color; pin it with Anchors (e.g. [akBottom]
//                keeps it at the bottom centre of its parent). A caption
//                wider than the designed width widens it (a centred one
//                about its centre), so no text is cut off; a shorter one
//                brings it back to the designed width.
//   TImage       static picture: SetBitmap(bitmap) takes the bitmap, a
//                picture at the designed scale; at another screen scale it
//                is shown scaled with smoothing. AutoSize sizes the control
//                to the picture as shown.
#include "Control.h"
#include "BrushCache.h"
#include "Handle.h"

#include <string>

#include "Alignment.h"
enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

// A control that raises OnClick when its native window reports a click.
class TClickControl : public TControl {
public:
    using TControl::TControl;
    void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
    // Raises OnClick as a click on the control would.
    void Click();

protected:
    bool CommandNotify(WORD code) override;

private:
    TNotifyEvent onClick_;
};

class TButton : public TClickControl {
public:
    explicit TButton(TComponent* owner);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    bool default_ = false;
};

class TSpeedButton : public TClickControl {
public:
    explicit TSpeedButton(TComponent* owner);
    void SetGlyph(GdiObject bitmap);
    void LoadGlyph(const std::string& resourceName);
    HBITMAP Glyph() const { return static_cast<HBITMAP>(glyph_.Get()); }

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void ChangeScale(int toPpi, int fromPpi) override;

private:
    void ShowGlyph(GdiObject bitmap);

    GdiObject glyph_;
    std::string glyphResource_; // the picture to load again at a new scale
};

class TLabel : public TClickControl {
public:
    explicit TLabel(TComponent* owner);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    // Sizes the label to its text when AutoSize is on.
    void AdjustSize();

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    HBRUSH ControlColor(HDC dc) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool transparent_ = true;
    bool autoSize_ = true;
    BrushCache brush_;
};

class TStaticText : public TClickControl {
public:
    explicit TStaticText(TComponent* owner);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TStaticBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TStaticBorderStyle style);

protected:
    void CreateParams(TCreateParams& params) override;
    HBRUSH ControlColor(HDC dc) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void Loaded() override;
    void ChangeScale(int toPpi, int fromPpi) override;

private:
    void FitCaption();

    TAlignment alignment_ = taLeftJustify;
    TStaticBorderStyle borderStyle_ = sbsNone;
    BrushCache brush_;
    int designedWidth_ = -1; // the width the form gave it
    ScaledLength designedWidthScale_;
};

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);
    void SetBitmap(GdiObject bitmap);
    // Puts the picture under its sibling controls, as a backdrop.
    void SendToBack();
    // The picture as shown, at the control's scale.
    HBITMAP Bitmap() const { return static_cast<HBITMAP>((shown_ ? shown_ : picture_).Get()); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void ChangeScale(int toPpi, int fromPpi) override;

private:
    void ShowPicture();
    void FitToBitmap();
    GdiObject picture_; // as given
    GdiObject shown_;   // scaled, while the scale is not the designed one
    bool autoSize_ = false;
};
