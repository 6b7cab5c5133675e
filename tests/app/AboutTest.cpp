#include "app/About.h"

#include "support/PumpMessages.h"
#include "toolkit/Application.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <map>

namespace {
struct Child {
    std::string className, text;
    bool visible;
    RECT rect;
};

// The dialog's native child windows by their text, as UI automation sees them.
std::map<std::string, Child> Children(HWND dialog) {
    std::map<std::string, Child> children;
    EnumChildWindows(
        dialog,
        [](HWND hwnd, LPARAM data) -> BOOL {
            wchar_t cls[64] = {}, text[128] = {};
            GetClassNameW(hwnd, cls, 64);
            GetWindowTextW(hwnd, text, 128);
            Child c{Narrow(cls), Narrow(text), IsWindowVisible(hwnd) != 0, {}};
            GetWindowRect(hwnd, &c.rect);
            MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&c.rect), 2);
            (*reinterpret_cast<std::map<std::string, Child>*>(data))[c.text] = c;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}
} // namespace

TEST(TfrmAbout, ShowsThePictureTheLabelsAndTheCloseButton) {
    TfrmAbout about;
    about.Show();
    EXPECT_EQ(about.Caption(), "About program");
    EXPECT_EQ(about.ClientWidth(), 421);
    EXPECT_EQ(about.ClientHeight(), 290);
    auto children = Children(about.Handle());
    for (const char* text : {"Homepage:", "Current version:", "1.0", "Close"}) {
        ASSERT_TRUE(children.count(text)) << text;
        EXPECT_TRUE(children[text].visible) << text;
    }
    EXPECT_EQ(children["Close"].rect.left, 288);
    EXPECT_EQ(children["Close"].rect.top, 252);
    EXPECT_EQ(children["Homepage:"].rect.left, 184);
    EXPECT_EQ(children["Homepage:"].rect.top, 88);
    EXPECT_TRUE(children.count(about.Homepage()));
    // The picture lies under every other control, so none is painted over.
    HWND backdrop = dynamic_cast<TImage&>(*about.FindComponent("Image")).Handle();
    EXPECT_EQ(GetWindow(backdrop, GW_HWNDNEXT), nullptr) << "the picture is not the bottom window";
    BITMAP picture{};
    auto& image = dynamic_cast<TImage&>(*about.FindComponent("Image"));
    ASSERT_TRUE(GetObjectW(image.Bitmap(), sizeof picture, &picture));
    EXPECT_EQ(picture.bmWidth, 421);
    EXPECT_EQ(picture.bmHeight, 290);
}

TEST(TfrmAbout, CloseEndsTheModalShowingAndTheSameDialogShowsAgain) {
    TfrmAbout about;
    for (int showing = 0; showing < 2; ++showing) {
        PostMessageW(about.Handle(), WM_COMMAND, IDCANCEL, 0);
        auto& close = dynamic_cast<TButton&>(*about.FindComponent("btnClose"));
        // The click arrives once the modal loop runs.
        PostMessageW(close.Handle(), BM_CLICK, 0, 0);
        about.ShowModal();
        EXPECT_FALSE(about.Visible());
    }
}
