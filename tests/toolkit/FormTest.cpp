#include "UiTest.h"

#include "toolkit/Exception.h"
#include "toolkit/StdControls.h"

#include <commctrl.h>

#include <vector>

TEST_F(UiTest, AFormIsBuiltFromItsDescriptionThenCreated) {
    std::vector<std::string> seen;
    handlers.Add<void(TComponent&)>("FormCreate", [&](TComponent& sender) {
        auto& form = dynamic_cast<THostWindow&>(sender);
        TButton& close = form.Find<TButton>("btnClose");
        seen.push_back("create " + close.Caption() + (close.Loading() ? " loading" : ""));
    });
    THostWindow form;
    EXPECT_EQ(Application().MainForm(), &form); // the first form
    Load(form, R"(object frmAbout: TfrmAbout
  Caption = 'About program'
  ClientWidth = 421
  ClientHeight = 290
  BorderStyle = bsSingle
  BorderIcons = [biSystemMenu]
  Position = poMainFormCenter
  PixelsPerInch = 96
  OnCreate = FormCreate
  object btnClose: TButton
    Left = 288
    Top = 252
    Width = 99
    Height = 28
    Caption = 'Close'
  end
end)");
    EXPECT_EQ(seen, (std::vector<std::string>{"create Close"}));
    EXPECT_EQ(form.Name(), "frmAbout");
    EXPECT_EQ(WindowText(form.Handle()), L"About program");
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 421);
    EXPECT_EQ(client.bottom, 290);
    LONG_PTR style = Style(form.Handle());
    EXPECT_FALSE(style & WS_CHILD);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    // Owned by the application window, which carries the taskbar button.
    EXPECT_EQ(GetWindow(form.Handle(), GW_OWNER), Application().Handle());
    EXPECT_EQ(form.PixelsPerInch(), GetDeviceCaps(GetDC(nullptr), LOGPIXELSY));
}

TEST_F(UiTest, AnErrorInOnCreateIsShownAndTheFormStaysUsable) {
    handlers.Add<void(TComponent&)>(
        "FormCreate", [](TComponent&) { throw Exception("'x' is not a valid date"); });
    THostWindow form;
    Load(form, "object f: TForm\n  Caption = 'T'\n  OnCreate = FormCreate\nend");
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "'x' is not a valid date");
    EXPECT_EQ(sink.messages[0].caption, "Ostrelle");
    EXPECT_TRUE(IsWindow(form.Handle()));
}

TEST_F(UiTest, KeyPreviewShowsTheFormKeysBeforeItsControls) {
    std::vector<std::string> keys;
    handlers.Add<void(TComponent&, WORD&, TShiftState)>(
        "FormKeyDown", [&](TComponent&, WORD& key, TShiftState shift) {
            keys.push_back(std::to_string(key) + "/" + std::to_string(shift));
            if (key == VK_ESCAPE)
                key = 0;
        });
    THostWindow form;
    Load(form, "object f: TForm\n  KeyPreview = True\n  OnKeyDown = FormKeyDown\n"
               "  object b: TButton\n  end\nend");
    HWND button = form.Find<TButton>("b").Handle();
    SendMessageW(button, WM_KEYDOWN, VK_ADD, 0);
    SendMessageW(button, WM_SYSKEYDOWN, VK_F4, 0);
    SendMessageW(form.Handle(), WM_KEYDOWN, 'Q', 0);
    EXPECT_EQ(keys, (std::vector<std::string>{"107/0", "115/0", "81/0"}));

    form.SetKeyPreview(false);
    SendMessageW(button, WM_KEYDOWN, VK_ADD, 0);
    EXPECT_EQ(keys.size(), 3u);
}

TEST_F(UiTest, CloseAsksOnCloseQueryAndAnotherFormHides) {
    THostWindow main;
    THostWindow other;
    ASSERT_EQ(Application().MainForm(), &main);
    int asked = 0;
    bool allow = false;
    other.SetOnCloseQuery([&](TComponent& sender, bool& canClose) {
        EXPECT_EQ(&sender, &other);
        ++asked;
        canClose = allow;
    });
    other.Show();
    SendMessageW(other.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(other.Visible());
    allow = true;
    other.Close();
    EXPECT_FALSE(other.Visible());
    EXPECT_FALSE(IsWindowVisible(other.Handle()));
    EXPECT_FALSE(Application().Terminated());
}

namespace {
// Raises its event while it goes, as a tree view does when its items go.
class TFarewell : public TComponent {
public:
    using TComponent::TComponent;
    ~TFarewell() override { Raise(); }
    void SetOnGone(TNotifyEvent handler) { onGone_ = std::move(handler); }
    void Raise() {
        if (onGone_)
            onGone_(*this);
    }

private:
    TNotifyEvent onGone_;
};

int farewellsHeard = 0;

// A form with state of its own and, like every form, no destructor.
class TFormWithState : public TForm {
public:
    explicit TFormWithState(const FormClasses& classes) : TForm(nullptr) {
        FormHandlers handlers;
        handlers.Add("FarewellGone", this, &TFormWithState::FarewellGone);
        Load(classes, handlers,
             "object f: TForm\n  object Farewell: TFarewell\n    OnGone = FarewellGone\n"
             "  end\nend",
             "t");
    }
    void FarewellGone(TComponent&) {
        heard.push_back("gone");
        farewellsHeard = int(heard.size());
    }
    std::vector<std::string> heard;
};
} // namespace

TEST_F(UiTest, AFormsHandlersAreNeverCalledOnceItsDestructionHasBegun) {
    classes.Class<TFarewell>("TFarewell").Event("OnGone", &TFarewell::SetOnGone);
    farewellsHeard = 0;
    {
        TFormWithState form(classes);
        dynamic_cast<TFarewell&>(*form.FindComponent("Farewell")).Raise();
        EXPECT_EQ(form.heard.size(), 1u);
    }
    EXPECT_EQ(farewellsHeard, 1); // not again from the component's destructor
}

TEST_F(UiTest, ShowModalRunsUntilTheFormClosesWithTheRestDisabled) {
    THostWindow main;
    THostWindow dialog;
    main.Show();
    bool mainEnabledDuring = true;
    dialog.SetOnCloseQuery(
        [&](TComponent&, bool&) { mainEnabledDuring = IsWindowEnabled(main.Handle()) != FALSE; });
    PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_FALSE(mainEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
    EXPECT_FALSE(dialog.Visible());
    // The same dialog object shows again.
    dialog.SetModalResult(mrNone);
    PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

TEST_F(UiTest, WindowStateFollowsTheWindow) {
    THostWindow form;
    form.SetWindowState(wsMaximized);
    EXPECT_EQ(form.WindowState(), wsMaximized);
    EXPECT_FALSE(IsWindowVisible(form.Handle())); // applied when shown
    form.Show();
    EXPECT_TRUE(IsZoomed(form.Handle()));
    // The main form brought the taskbar button along.
    EXPECT_TRUE(IsWindowVisible(Application().Handle()));
    // The user restores it; hidden in the tray it still says so.
    ShowWindow(form.Handle(), SW_RESTORE);
    form.Hide();
    EXPECT_EQ(form.WindowState(), wsNormal);
    form.Show();
    ShowWindow(form.Handle(), SW_SHOWMAXIMIZED);
    form.Hide();
    EXPECT_EQ(form.WindowState(), wsMaximized);
    form.Show();
    EXPECT_TRUE(IsZoomed(form.Handle()));
    form.SetWindowState(wsNormal);
    EXPECT_FALSE(IsZoomed(form.Handle()));
    EXPECT_EQ(form.WindowState(), wsNormal);
}

namespace {
HWND watchedForm = nullptr;
std::vector<bool> zoomedWhenShown;

LRESULT CALLBACK RecordShowing(int code, WPARAM wParam, LPARAM lParam) {
    const auto* m = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && m->hwnd == watchedForm && m->message == WM_WINDOWPOSCHANGED &&
        (reinterpret_cast<const WINDOWPOS*>(m->lParam)->flags & SWP_SHOWWINDOW))
        zoomedWhenShown.push_back(IsZoomed(m->hwnd) != FALSE);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

// Maximised at its first showing, the window comes on view maximised, never
// normal for a moment first.
TEST_F(UiTest, AStateSetWhileHiddenIsTheShowingItself) {
    THostWindow form;
    form.SetWindowState(wsMaximized);
    watchedForm = form.Handle();
    zoomedWhenShown.clear();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, RecordShowing, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    form.Show();
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(zoomedWhenShown, std::vector<bool>{true});
    EXPECT_TRUE(IsZoomed(form.Handle()));
}

TEST_F(UiTest, TheMainFormsMinimiseButtonMinimisesTheApplication) {
    THostWindow form;
    std::vector<WPARAM> sizes;
    auto hook = Application().HookMainWindow([&](TMessage& m) {
        if (m.Msg == WM_SIZE)
            sizes.push_back(m.WParam);
        return false;
    });
    SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(Application().Handle()));
    EXPECT_FALSE(IsIconic(form.Handle()));
    Application().Restore();
    EXPECT_FALSE(IsIconic(Application().Handle()));
    Application().UnhookMainWindow(hook);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.front(), WPARAM(SIZE_MINIMIZED));
    ShowWindow(Application().Handle(), SW_HIDE);
}

TEST_F(UiTest, HooksSeeTheApplicationWindowsMessagesFirst) {
    std::vector<std::string> order;
    auto first = Application().HookMainWindow([&](TMessage& m) {
        if (m.Msg == WM_USER + 7)
            order.push_back("first");
        return false;
    });
    TApplication::HookId second = 0;
    second = Application().HookMainWindow([&](TMessage& m) {
        if (m.Msg != WM_USER + 7)
            return false;
        order.push_back("second");
        Application().UnhookMainWindow(second); // removing itself while it runs
        m.Result = 42;
        return true;
    });
    EXPECT_EQ(SendMessageW(Application().Handle(), WM_USER + 7, 0, 0), 42);
    EXPECT_EQ(SendMessageW(Application().Handle(), WM_USER + 7, 0, 0), 0);
    Application().UnhookMainWindow(first);
    EXPECT_EQ(order, (std::vector<std::string>{"first", "second", "first"}));
}

namespace {
// A form class with message handling of its own, which the form's hooks
// still come before.
class TListeningForm : public THostWindow {
public:
    std::vector<std::string>* order = nullptr;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_USER + 7)
            order->push_back("form");
        return THostWindow::WndProc(msg, wParam, lParam);
    }
};
} // namespace

TEST_F(UiTest, AFormsHooksSeeItsMessagesBeforeTheFormDoes) {
    std::vector<std::string> order;
    TListeningForm form;
    form.order = &order;
    auto first = form.HookWindow([&](TMessage& m) {
        if (m.Msg == WM_USER + 7)
            order.push_back("first");
        return false;
    });
    auto second = form.HookWindow([&](TMessage& m) {
        if (m.Msg != WM_USER + 7)
            return false;
        order.push_back("second");
        m.Result = 42;
        return m.WParam == 1; // handles only this one
    });
    EXPECT_EQ(SendMessageW(form.Handle(), WM_USER + 7, 0, 0), 0);
    EXPECT_EQ(order, (std::vector<std::string>{"first", "second", "form"}));
    order.clear();
    EXPECT_EQ(SendMessageW(form.Handle(), WM_USER + 7, 1, 0), 42);
    EXPECT_EQ(order, (std::vector<std::string>{"first", "second"}));
    order.clear();
    form.UnhookWindow(first);
    form.UnhookWindow(second);
    EXPECT_EQ(SendMessageW(form.Handle(), WM_USER + 7, 1, 0), 0);
    EXPECT_EQ(order, std::vector<std::string>{"form"});

    // A hook's error is shown, and the message gets its default handling.
    form.HookWindow([](TMessage& m) -> bool {
        if (m.Msg == WM_USER + 7)
            throw Exception("hook failed");
        return false;
    });
    order.clear();
    EXPECT_EQ(SendMessageW(form.Handle(), WM_USER + 7, 0, 0), 0);
    EXPECT_TRUE(order.empty());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "hook failed");
}

TEST_F(UiTest, HintsAreTheApplicationsTooltipWithTheControlsText) {
    THostWindow form;
    Load(form, "object f: TForm\n  object s: TStaticText\n    Hint = 'Hours'\n"
               "    ShowHint = True\n  end\nend");
    Application().SetHintHidePause(10000);
    HWND tooltip = Application().HintWindow();
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 10000);
    auto& text = form.Find<TStaticText>("s");
    int tools = int(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    EXPECT_GE(tools, 1);

    // What the tooltip asks for when it is about to show.
    text.SetHint("Total keys pressed: 1 234");
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = tooltip;
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(text.Handle());
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(text.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_STREQ(info.lpszText, L"Total keys pressed: 1 234");

    text.SetShowHint(false);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), tools - 1);
    Application().CancelHint();
}
