#include "UiTest.h"

#include "toolkit/Exception.h"
#include "toolkit/PopupMenu.h"

namespace {
struct ItemInfo {
    std::wstring text;
    UINT type = 0;
    UINT state = 0;
};

std::vector<ItemInfo> Items(HMENU menu) {
    std::vector<ItemInfo> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_FTYPE | MIIM_STATE;
        info.dwTypeData = text;
        info.cch = 128;
        GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
        items.push_back({text, info.fType, info.fState});
    }
    return items;
}

const char kMenuForm[] = R"(object f: TForm
  object PopupMenu: TPopupMenu
    Images = ImageList
    OnPopup = PopupMenuPopup
    object pAbout: TMenuItem
      Caption = 'About...'
      OnClick = ItemClick
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object pShowStat: TMenuItem
      Caption = 'Show statistic window'
      Visible = False
    end
    object pHideStat: TMenuItem
      Caption = 'Hide statistic window'
      Default = True
    end
    object pAutoStart: TMenuItem
      Caption = 'Start automatically with Windows'
    end
    object pSeparator: TMenuItem
      Caption = '-'
    end
    object pClose: TMenuItem
      Caption = 'Close'
      ShortCut = 16465
      OnClick = ItemClick
    end
  end
  object ImageList: TImageList
  end
end)";

VOID CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}
} // namespace

class PopupMenuTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        handlers.Add<void(TComponent&)>("ItemClick",
                                        [this](TComponent& s) { events.push_back(s.Name()); });
        handlers.Add<void(TComponent&)>("PopupMenuPopup", [this](TComponent&) {
            events.push_back("popup");
            form.Find<TMenuItem>("pShowStat").SetVisible(true);
        });
        Load(form, kMenuForm);
        menu = &form.Find<TPopupMenu>("PopupMenu");
    }

    THostWindow form;
    TPopupMenu* menu = nullptr;
    std::vector<std::string> events;
};

TEST_F(PopupMenuTest, ThePlatformMenuHoldsTheVisibleItemsWithTheirState) {
    std::vector<ItemInfo> items = Items(menu->Handle());
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[0].text, L"About...");
    EXPECT_TRUE(items[1].type & MFT_SEPARATOR);
    EXPECT_EQ(items[2].text, L"Hide statistic window");
    EXPECT_TRUE(items[2].state & MFS_DEFAULT);
    EXPECT_FALSE(items[3].state & MFS_CHECKED);
    EXPECT_EQ(items[5].text, L"Close\tCtrl+Q");
    EXPECT_EQ(menu->Images(), &form.Find<TImageList>("ImageList"));
    EXPECT_TRUE(menu->AutoPopup());

    form.Find<TMenuItem>("pAutoStart").SetChecked(true);
    form.Find<TMenuItem>("pHideStat").SetVisible(false);
    form.Find<TMenuItem>("pShowStat").SetVisible(true);
    form.Find<TMenuItem>("pShowStat").SetDefault(true);
    items = Items(menu->Handle());
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[2].text, L"Show statistic window");
    EXPECT_TRUE(items[2].state & MFS_DEFAULT);
    EXPECT_TRUE(items[3].state & MFS_CHECKED);
}

TEST_F(PopupMenuTest, PopupRaisesOnPopupFirstAndAClickRunsTheItem) {
    SetTimer(nullptr, 0, 100, &CloseMenu);
    menu->Popup(100, 100);
    EXPECT_EQ(events, (std::vector<std::string>{"popup"}));
    EXPECT_EQ(Items(menu->Handle()).size(), 7u); // OnPopup showed one more item
    form.Find<TMenuItem>("pClose").Click();
    EXPECT_EQ(events.back(), "pClose");
}

TEST_F(PopupMenuTest, OneItemIsTheDefaultAtATime) {
    auto defaults = [&] {
        std::vector<std::string> names;
        for (int i = 0; i < menu->Count(); ++i)
            if (menu->Item(i).Default())
                names.push_back(menu->Item(i).Name());
        return names;
    };
    EXPECT_EQ(defaults(), std::vector<std::string>{"pHideStat"});
    form.Find<TMenuItem>("pShowStat").SetDefault(true);
    EXPECT_EQ(defaults(), std::vector<std::string>{"pShowStat"});
    form.Find<TMenuItem>("pShowStat").SetDefault(false);
    EXPECT_TRUE(defaults().empty());
    form.Find<TMenuItem>("pHideStat").SetDefault(true);
    EXPECT_EQ(defaults(), std::vector<std::string>{"pHideStat"});
    int marked = 0;
    for (const ItemInfo& item : Items(menu->Handle()))
        marked += (item.state & MFS_DEFAULT) ? 1 : 0;
    EXPECT_EQ(marked, 1);

    // An item that comes marked takes the mark from the others.
    TMenuItem& extra = form.Make<TMenuItem>();
    extra.SetDefault(true);
    menu->Add(extra);
    EXPECT_EQ(defaults().size(), 1u);
    EXPECT_TRUE(extra.Default());
}

TEST_F(PopupMenuTest, AnErrorInAMenuEventGoesToTheErrorBox) {
    TMenuItem& about = form.Find<TMenuItem>("pAbout");
    about.SetOnClick([](TComponent&) { throw Exception("About failed"); });
    about.Click();
    menu->SetOnPopup([](TComponent&) { throw Exception("Popup failed"); });
    SetTimer(nullptr, 0, 100, &CloseMenu);
    menu->Popup(100, 100); // the menu still opens
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].text, "About failed");
    EXPECT_EQ(sink.messages[1].text, "Popup failed");
    EXPECT_EQ(sink.messages[1].caption, "Ostrelle");
}

TEST(ShortCutToText, NamesModifiersAndKeys) {
    EXPECT_EQ(ShortCutToText(scCtrl + 'Q'), "Ctrl+Q");
    EXPECT_EQ(ShortCutToText(scAlt + VK_F4), "Alt+F4");
    EXPECT_EQ(ShortCutToText(scCtrl + scShift + '1'), "Ctrl+Shift+1");
    EXPECT_EQ(ShortCutToText(0), "");
}
