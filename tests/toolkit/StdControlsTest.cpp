#include "UiTest.h"

#include "toolkit/Splitter.h"
#include "toolkit/StdControls.h"

namespace {
RECT RectInParent(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}
} // namespace

TEST_F(UiTest, ButtonsAndLabelsAreNativeWindowsThatReportClicks) {
    std::vector<std::string> clicks;
    handlers.Add<void(TComponent&)>("Clicked", [&](TComponent& s) { clicks.push_back(s.Name()); });
    THostWindow form;
    Load(form, R"(object f: TForm
  ClientWidth = 421
  ClientHeight = 290
  object btnClose: TButton
    Caption = 'Close'
    Default = True
    Font.Name = 'Tahoma'
    Font.Height = -12
    Font.Style = [fsBold]
    OnClick = Clicked
  end
  object lblHomepage: TLabel
    Left = 184
    Top = 104
    Caption = 'https://example.org/'
    Cursor = crHandPoint
    Font.Color = clWhite
    OnClick = Clicked
  end
  object sbtnZoomIn: TSpeedButton
    Hint = 'Zoom in'
    Flat = True
    Glyph = 'TESTGLYPH'
    OnClick = Clicked
  end
end)");
    auto& button = form.Find<TButton>("btnClose");
    EXPECT_EQ(WindowText(button.Handle()), L"Close");
    EXPECT_EQ(Style(button.Handle()) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);

    auto& label = form.Find<TLabel>("lblHomepage");
    wchar_t cls[16] = {};
    GetClassNameW(label.Handle(), cls, 16);
    EXPECT_STREQ(cls, L"Static");
    EXPECT_EQ(WindowText(label.Handle()), L"https://example.org/");
    EXPECT_TRUE(GetWindowLongPtrW(label.Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_GT(label.Width(), 50); // sized to its text
    EXPECT_EQ(label.Left(), 184);
    SendMessageW(label.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(label.Handle(), WM_LBUTTONUP, 0, 0);

    auto& zoom = form.Find<TSpeedButton>("sbtnZoomIn");
    EXPECT_EQ(zoom.Width(), 23);
    EXPECT_EQ(zoom.Height(), 22);
    EXPECT_TRUE(Style(zoom.Handle()) & BS_FLAT);
    EXPECT_NE(SendMessageW(zoom.Handle(), BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_EQ(zoom.Hint(), "Zoom in");
    // The glyph's background became the button face.
    BITMAP info{};
    GetObjectW(zoom.Glyph(), sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 16);
    SendMessageW(zoom.Handle(), BM_CLICK, 0, 0);

    EXPECT_EQ(clicks, (std::vector<std::string>{"btnClose", "lblHomepage", "sbtnZoomIn"}));
}

TEST_F(UiTest, AMissingGlyphIsAnErrorAtItsPlace) {
    THostWindow form;
    try {
        Load(form, "object f: TForm\n  object b: TSpeedButton\n    Glyph = 'NOPE'\n  end\nend");
        ADD_FAILURE() << "no error";
    } catch (const FormError& e) {
        EXPECT_EQ(e.Message(), "t(3:13): Glyph: Bitmap resource NOPE not found");
    }
}

TEST_F(UiTest, StaticTextStaysAtTheBottomCentreOfItsParent) {
    THostWindow form;
    Load(form, R"(object f: TForm
  ClientWidth = 600
  ClientHeight = 400
  object chart: TLabel
    Width = 600
    Height = 400
    AutoSize = False
    Transparent = False
    Align = alClient
    object stlblBottomText: TStaticText
      Left = 159
      Top = 373
      Width = 281
      Height = 17
      Anchors = [akBottom]
      Alignment = taCenter
      BorderStyle = sbsSingle
      Color = clWhite
      Caption = 'Hours'
      Hint = 'Hours'
    end
  end
end)");
    auto& text = form.Find<TStaticText>("stlblBottomText");
    HWND hwnd = text.Handle();
    EXPECT_EQ(WindowText(hwnd), L"Hours");
    EXPECT_TRUE(Style(hwnd) & WS_BORDER);
    EXPECT_EQ(Style(hwnd) & SS_TYPEMASK, SS_CENTER);
    form.SetClientSize(800, 500);
    RECT r = RectInParent(hwnd);
    EXPECT_EQ(r.bottom, 500 - 10);
    EXPECT_EQ(r.right - r.left, 281);
    EXPECT_NEAR((r.left + r.right) / 2.0, 400, 1);
    form.SetClientSize(300, 200);
    r = RectInParent(hwnd);
    EXPECT_EQ(r.bottom, 200 - 10);
    EXPECT_NEAR((r.left + r.right) / 2.0, 150, 1);

    // A readout longer than the box widens it about its centre; a short one
    // brings the designed width back.
    form.SetClientSize(800, 500);
    text.SetCaption("Keys pressed, count per day [2026.12.08 (Tue) - 1 234 567] and then some");
    r = RectInParent(hwnd);
    EXPECT_GT(r.right - r.left, 281);
    EXPECT_NEAR((r.left + r.right) / 2.0, 400, 1);
    SIZE size{};
    HDC dc = GetDC(hwnd);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    const std::wstring caption = WindowText(hwnd);
    GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    RECT client{};
    GetClientRect(hwnd, &client);
    EXPECT_GE(client.right, size.cx);
    text.SetCaption("Hours");
    r = RectInParent(hwnd);
    EXPECT_EQ(r.right - r.left, 281);
    EXPECT_NEAR((r.left + r.right) / 2.0, 400, 1);
}

TEST_F(UiTest, TheSplitterResizesTheControlBesideIt) {
    THostWindow form;
    Load(form, R"(object f: TForm
  ClientWidth = 740
  ClientHeight = 330
  object TreeView: TTreeView
    Width = 150
    Align = alLeft
  end
  object Splitter: TSplitter
    Left = 150
    Width = 3
    Beveled = True
  end
  object Chart: TLabel
    AutoSize = False
    Align = alClient
  end
end)");
    auto& tree = form.Find<TControl>("TreeView");
    auto& splitter = form.Find<TSplitter>("Splitter");
    auto& chart = form.Find<TControl>("Chart");
    EXPECT_EQ(splitter.Left(), 150);
    EXPECT_EQ(splitter.Cursor(), crHSplit);
    EXPECT_EQ(splitter.ResizeControl(), &tree);
    EXPECT_EQ(chart.Left(), 153);

    SendMessageW(splitter.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 10));
    SendMessageW(splitter.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(51, 10));
    EXPECT_EQ(tree.Width(), 200); // while dragging
    EXPECT_EQ(chart.Left(), 203);
    SendMessageW(splitter.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-500, 10));
    EXPECT_EQ(tree.Width(), 30); // MinSize
    SendMessageW(splitter.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-500, 10));
    EXPECT_EQ(RectInParent(tree.Handle()).right, 30);
    EXPECT_FALSE(splitter.MouseCaptured());
}

TEST_F(UiTest, AnImageShowsItsBitmap) {
    THostWindow form;
    Load(form, "object f: TForm\n  object Image: TImage\n    AutoSize = True\n  end\nend");
    auto& image = form.Find<TImage>("Image");
    image.SetBitmap(GdiObject(CreateBitmap(421, 290, 1, 32, nullptr)));
    EXPECT_EQ(image.Width(), 421);
    EXPECT_EQ(image.Height(), 290);
    EXPECT_NE(SendMessageW(image.Handle(), STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_EQ(Style(image.Handle()) & SS_TYPEMASK, SS_BITMAP);
}
