// A form and its controls taken from the designed 96 pixels per inch to
// other screen scales: by the toolkit's scaling, as its form does when it is
// made and when its window's scale changes.
#include "UiTest.h"

#include "toolkit/Exception.h"
#include "toolkit/FormLoader.h"
#include "toolkit/PictureResource.h"
#include "toolkit/ScreenDpi.h"
#include "toolkit/Splitter.h"
#include "toolkit/StdControls.h"
#include "toolkit/TreeView.h"

#include <commctrl.h>

#include <map>
#include <vector>

namespace {

// A tree beside a splitter and a client area holding a button at its top
// right and a caption at its bottom centre, as the main window has them.
const char* const kScaledForm = R"(object f: TForm
  ClientWidth = 600
  ClientHeight = 400
  Font.Name = 'Tahoma'
  Font.Height = -11
  object TreeView: TTreeView
    Width = 150
    Align = alLeft
    Font.Name = 'Tahoma'
    Font.Height = -11
    Indent = 19
    Images = ImageList
  end
  object Splitter: TSplitter
    Left = 150
    Width = 3
    Align = alLeft
  end
  object Client: TLabel
    Left = 153
    Width = 447
    Height = 400
    AutoSize = False
    Transparent = False
    Align = alClient
    object Zoom: TSpeedButton
      Left = 414
      Top = 4
      Width = 23
      Height = 22
      Anchors = [akTop, akRight]
      Glyph = 'TESTGLYPH'
    end
    object Caption: TStaticText
      Left = 83
      Top = 373
      Width = 281
      Height = 17
      Anchors = [akBottom]
      Alignment = taCenter
      BorderStyle = sbsSingle
      Caption = 'Hours'
    end
  end
  object ImageList: TImageList
    Bitmaps = ('TESTGLYPH' 'TESTGLYPH')
  end
end)";

int S(int designed, int ppi) {
    return ScaleLength(designed, ppi, 96);
}

TRect ClientOf(TControl& control) {
    RECT r;
    GetClientRect(control.Handle(), &r);
    return {r.left, r.top, r.right, r.bottom};
}

// Every window of the form by its control's name, where it is in its parent.
std::map<std::string, TRect> Places(THostWindow& form) {
    std::map<std::string, TRect> places;
    for (TComponent* component : form.Components())
        if (auto* control = dynamic_cast<TControl*>(component); control && control->Parent()) {
            RECT r;
            GetWindowRect(control->Handle(), &r);
            MapWindowPoints(nullptr, control->Parent()->Handle(), reinterpret_cast<POINT*>(&r), 2);
            places[control->Name()] = {r.left, r.top, r.right, r.bottom};
        }
    return places;
}

int BitmapWidth(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    return info.bmWidth;
}

class ScalingTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Load(form, kScaledForm);
    }

    // What the scale must give, measured against the form's client area.
    void ExpectScaledTo(int ppi) {
        SCOPED_TRACE(ppi);
        EXPECT_EQ(form.PixelsPerInch(), ppi);
        EXPECT_EQ(ClientOf(form), (TRect{0, 0, S(600, ppi), S(400, ppi)}));
        auto& tree = form.Find<TTreeView>("TreeView");
        EXPECT_EQ(tree.Width(), S(150, ppi));
        EXPECT_EQ(tree.Font().Height(), S(-11, ppi));
        EXPECT_EQ(form.Font().Height(), S(-11, ppi));
        EXPECT_EQ(SendMessageW(tree.Handle(), TVM_GETINDENT, 0, 0), S(19, ppi));
        auto& images = form.Find<TImageList>("ImageList");
        EXPECT_EQ(images.Width(), SmallIconSize(ppi));
        EXPECT_EQ(images.Count(), 2);
        int cx = 0, cy = 0;
        ImageList_GetIconSize(images.Handle(), &cx, &cy);
        EXPECT_EQ(cx, SmallIconSize(ppi));
        EXPECT_EQ(SendMessageW(tree.Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0),
                  reinterpret_cast<LRESULT>(images.Handle()));
        auto& splitter = form.Find<TSplitter>("Splitter");
        EXPECT_EQ(splitter.Left(), S(150, ppi));
        EXPECT_EQ(splitter.Width(), S(3, ppi));
        EXPECT_EQ(splitter.MinSize(), S(30, ppi));

        // The button keeps its place at the top right, its size and glyph
        // scaled; the caption its place at the bottom centre.
        auto& client = form.Find<TLabel>("Client");
        EXPECT_EQ(client.Left(), tree.Width() + splitter.Width());
        auto& zoom = form.Find<TSpeedButton>("Zoom");
        EXPECT_EQ(zoom.Width(), S(23, ppi));
        EXPECT_EQ(zoom.Height(), S(22, ppi));
        EXPECT_NEAR(client.ClientWidth() - (zoom.Left() + zoom.Width()), S(10, ppi), 1);
        EXPECT_EQ(zoom.Top(), S(4, ppi));
        EXPECT_EQ(BitmapWidth(zoom.Glyph()), S(16, ppi));
        auto& caption = form.Find<TStaticText>("Caption");
        EXPECT_EQ(caption.Width(), S(281, ppi));
        EXPECT_EQ(caption.Height(), S(17, ppi));
        EXPECT_NEAR(client.ClientHeight() - (caption.Top() + caption.Height()), S(10, ppi), 1);
        EXPECT_NEAR(caption.Left() + caption.Width() / 2, client.ClientWidth() / 2, 1);
        LOGFONTW lf{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(caption.Handle(), WM_GETFONT, 0, 0)),
                   sizeof lf, &lf);
        EXPECT_EQ(lf.lfHeight, S(-11, ppi)); // the form's, through its parent
    }

    THostWindow form;
};

} // namespace

TEST_F(ScalingTest, TheDesignedScaleChangesNothing) {
    ExpectScaledTo(96);
    form.ScaleTo(96);
    ExpectScaledTo(96);
}

TEST_F(ScalingTest, EverySizeTakesTheNewScale) {
    for (int ppi : {120, 144, 192, 168})
        form.ScaleTo(ppi), ExpectScaledTo(ppi);
}

TEST_F(ScalingTest, ScalesThereAndBackGiveTheDesignedPlacesExactly) {
    const auto designed = Places(form);
    for (int ppi : {120, 144, 120, 168, 192, 144, 96})
        form.ScaleTo(ppi);
    EXPECT_EQ(Places(form), designed);
    ExpectScaledTo(96);
}

TEST_F(ScalingTest, ASizeTheUserChangedIsKeptAcrossScales) {
    auto& tree = form.Find<TTreeView>("TreeView");
    form.ScaleTo(144);
    tree.SetWidth(301); // the splitter dragged
    form.ScaleTo(96);
    EXPECT_EQ(tree.Width(), 201);
    form.ScaleTo(144);
    EXPECT_EQ(tree.Width(), 301);
}

TEST_F(ScalingTest, AScaleChangeOfTheWindowTakesTheSuggestedPlace) {
    const RECT suggested{30, 40, 30 + 950, 40 + 700};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(form.PixelsPerInch(), 144);
    RECT placed;
    GetWindowRect(form.Handle(), &placed);
    EXPECT_EQ(placed.left, 30);
    EXPECT_EQ(placed.top, 40);
    // Its description gave its client size: that size, scaled, it keeps.
    EXPECT_EQ(ClientOf(form), (TRect{0, 0, 900, 600}));
    EXPECT_EQ(form.Find<TTreeView>("TreeView").Width(), 225);
    EXPECT_EQ(form.Find<TSpeedButton>("Zoom").Width(), 35);
}

TEST_F(ScalingTest, AControlTakesTheScaleOfTheParentItIsPlacedIn) {
    form.ScaleTo(144);
    auto& client = form.Find<TLabel>("Client");
    auto& button = form.Make<TButton>();
    button.SetBounds(10, 10, 75, 25);
    button.SetParent(&client);
    EXPECT_EQ(button.PixelsPerInch(), 144);
    EXPECT_EQ(button.BoundsRect(), TRect::FromBounds(15, 15, 113, 38));
    EXPECT_EQ(button.Font().Height(), -17);
}

TEST_F(ScalingTest, ADescriptionLoadedIntoAScaledFormIsScaledWithIt) {
    form.ScaleTo(120);
    FormHandlers none;
    LoadFormObjects(form, classes, none, R"(object f: TForm
  object Late: TButton
    Left = 8
    Top = 16
    Width = 80
    Height = 24
  end
end)",
                    "t", {"Late"});
    auto& late = form.Find<TButton>("Late");
    EXPECT_EQ(late.PixelsPerInch(), 120);
    EXPECT_EQ(late.BoundsRect(), TRect::FromBounds(10, 20, 100, 30));
}

TEST(FontScale, PixelHeightsScaleFromTheGivenOnePointsConvertAtTheFontsScale) {
    TFont font;
    font.SetSize(8);
    EXPECT_EQ(font.Height(), -11);
    font.ScaleTo(144);
    EXPECT_EQ(font.Height(), -17);
    EXPECT_EQ(font.PixelsPerInch(), 144);
    font.ScaleTo(120);
    EXPECT_EQ(font.Height(), -14);
    font.ScaleTo(96);
    EXPECT_EQ(font.Height(), -11);
    font.ScaleTo(144);
    font.SetSize(10); // given at 144: 20 pixels
    EXPECT_EQ(font.Height(), -20);
    EXPECT_EQ(font.Size(), 10);
    font.ScaleTo(96);
    EXPECT_EQ(font.Height(), -13);
}

TEST_F(UiTest, APictureIsScaledSmoothedAndTheImageSizedToIt) {
    THostWindow form;
    Load(form, "object f: TForm\n  object Picture: TImage\n    AutoSize = True\n  end\nend");
    auto& picture = form.Find<TImage>("Picture");
    picture.SetBitmap(LoadPictureResource("TESTGLYPH", 16));
    EXPECT_EQ(picture.Width(), 16);
    form.ScaleTo(144);
    EXPECT_EQ(BitmapWidth(picture.Bitmap()), 24);
    EXPECT_EQ(picture.Width(), 24);
    EXPECT_EQ(
        reinterpret_cast<HBITMAP>(SendMessageW(picture.Handle(), STM_GETIMAGE, IMAGE_BITMAP, 0)),
        picture.Bitmap());
    form.ScaleTo(96);
    EXPECT_EQ(picture.Width(), 16);
}

namespace {
// The pixels of a bitmap, top row first, as 0x00RRGGBB.
std::vector<COLORREF> Pixels(HBITMAP bitmap, int& size) {
    size = BitmapWidth(bitmap);
    BITMAPINFO header{};
    header.bmiHeader = {sizeof header.bmiHeader, size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<COLORREF> pixels(size_t(size) * size_t(size));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, UINT(size), pixels.data(), &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (COLORREF& p : pixels)
        p &= 0xFFFFFF;
    return pixels;
}
} // namespace

TEST(PictureResource, AMissingSizeIsTheDesignedPictureInWholePixelsOnItsOwnBackground) {
    int designedSize = 0;
    GdiObject designed = LoadPictureResource("TESTGLYPH", 16);
    const auto source = Pixels(static_cast<HBITMAP>(designed.Get()), designedSize);
    ASSERT_EQ(designedSize, 16);
    const COLORREF clear = source[15 * 16]; // bottom left

    // 32: every pixel doubled, nothing blurred.
    int size = 0;
    GdiObject doubled = LoadPictureResource("TESTGLYPH", 32);
    const auto big = Pixels(static_cast<HBITMAP>(doubled.Get()), size);
    ASSERT_EQ(size, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(big[size_t(y * 32 + x)], source[size_t(y / 2 * 16 + x / 2)]) << x << "," << y;

    // 20: the designed picture in the middle, two pixels of background round.
    GdiObject framed = LoadPictureResource("TESTGLYPH", 20);
    const auto middle = Pixels(static_cast<HBITMAP>(framed.Get()), size);
    ASSERT_EQ(size, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 2 && x < 18 && y >= 2 && y < 18;
            ASSERT_EQ(middle[size_t(y * 20 + x)],
                      inside ? source[size_t((y - 2) * 16 + x - 2)] : clear)
                << x << "," << y;
        }
}

TEST(PictureResource, AMissingPictureIsAnError) {
    EXPECT_THROW(LoadPictureResource("NOPE", 24), Exception);
}
