#include "toolkit/Control.h"

#include "support/HostWindow.h"
#include "toolkit/Application.h"
#include "toolkit/ControlClasses.h"
#include "toolkit/Exception.h"
#include "toolkit/FormLoader.h"

#include <gtest/gtest.h>

namespace {

const TRect kFormBounds = TRect::FromBounds(100, 100, 400, 300);

// A toolkit-painted child that counts its paints and can fail on demand.
class TPaintProbe : public TControl {
public:
    using TControl::TControl;
    int paints = 0;
    bool failPaint = false;

protected:
    bool PaintsItself() const override { return true; }
    void Paint(HDC dc, const TRect&) override {
        ++paints;
        EXPECT_NE(dc, nullptr);
        if (failPaint)
            throw Exception("paint failed");
    }
};

// A native push button, subclassed; its click comes back as a notification.
class TNativeProbe : public TControl {
public:
    using TControl::TControl;
    std::vector<WORD> commands;

protected:
    void CreateParams(TCreateParams& params) override {
        TControl::CreateParams(params);
        params.className = L"BUTTON";
        params.style |= BS_PUSHBUTTON;
    }
    bool CommandNotify(WORD code) override {
        commands.push_back(code);
        return true;
    }
};

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override { Application().SetTitle("Ostrelle"); }

    static TRect WindowRectIn(HWND child) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right, r.bottom};
    }

    RecordingMessageSink sink;
    ScopedMessageSink recorded{sink};
};

} // namespace

TEST_F(ControlTest, ChildWindowsAreMadeWhenTheirParentHasAWindow) {
    THostWindow form{THostWindow::kHidden, kFormBounds};
    TControl orphan(nullptr);
    EXPECT_EQ(orphan.Handle(), nullptr); // a child window needs a parent first

    TPaintProbe& child = form.Make<TPaintProbe>();
    TPaintProbe& grandchild = form.Make<TPaintProbe>();
    grandchild.SetParent(&child); // child has no window yet
    EXPECT_FALSE(grandchild.HandleAllocated());
    child.SetParent(&form);
    ASSERT_TRUE(child.HandleAllocated());
    ASSERT_TRUE(grandchild.HandleAllocated());
    EXPECT_EQ(GetParent(child.Handle()), form.Handle());
    EXPECT_EQ(GetParent(grandchild.Handle()), child.Handle());
    EXPECT_TRUE(GetWindowLongPtrW(child.Handle(), GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(TControl::FromHandle(child.Handle()), &child);
    EXPECT_EQ(form.Controls(), (std::vector<TControl*>{&child}));
}

TEST_F(ControlTest, AlignedChildrenFollowTheParentsClientArea) {
    THostWindow form{THostWindow::kHidden, kFormBounds};
    TControl& left = form.Make<TPaintProbe>();
    TControl& rest = form.Make<TPaintProbe>();
    left.SetParent(&form);
    rest.SetParent(&form);
    left.SetWidth(150);
    left.SetAlign(alLeft);
    rest.SetAlign(alClient);
    TRect client = form.ClientRect();
    EXPECT_EQ(WindowRectIn(left.Handle()), (TRect{0, 0, 150, client.bottom}));
    EXPECT_EQ(WindowRectIn(rest.Handle()), (TRect{150, 0, client.right, client.bottom}));

    // The user resizing the window, not the toolkit.
    SetWindowPos(form.Handle(), nullptr, 0, 0, 600, 500, SWP_NOMOVE | SWP_NOZORDER);
    client = form.ClientRect();
    EXPECT_EQ(rest.BoundsRect(), (TRect{150, 0, client.right, client.bottom}));
    EXPECT_EQ(WindowRectIn(rest.Handle()), rest.BoundsRect());
    EXPECT_EQ(form.Width(), 600);

    left.SetWidth(200);
    EXPECT_EQ(rest.Left(), 200);
    left.Hide();
    EXPECT_EQ(rest.Left(), 0);
    EXPECT_FALSE(IsWindowVisible(left.Handle()));
}

TEST_F(ControlTest, MouseMessagesBecomeMouseEventsWithButtonShiftAndPosition) {
    THostWindow form{THostWindow::kHidden, kFormBounds};
    TPaintProbe& probe = form.Make<TPaintProbe>();
    probe.SetParent(&form);
    std::vector<std::string> seen;
    probe.SetOnMouseDown(
        [&](TComponent& sender, TMouseButton button, TShiftState shift, int x, int y) {
            EXPECT_EQ(&sender, &probe);
            seen.push_back("down " + std::to_string(button) + " " + std::to_string(shift) + " " +
                           std::to_string(x) + "," + std::to_string(y));
        });
    probe.SetOnMouseUp([&](TComponent&, TMouseButton button, TShiftState shift, int x, int y) {
        seen.push_back("up " + std::to_string(button) + " " + std::to_string(shift) + " " +
                       std::to_string(x) + "," + std::to_string(y));
    });
    probe.SetOnMouseMove([&](TComponent&, TShiftState shift, int x, int y) {
        seen.push_back("move " + std::to_string(shift) + " " + std::to_string(x) + "," +
                       std::to_string(y));
    });
    struct Case {
        UINT msg;
        WPARAM keys;
        int x, y;
        const char* expected;
    } cases[] = {
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, 10, 20, "down 0 9 10,20"},
        {WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, 1, 2, "down 1 20 1,2"},
        {WM_MBUTTONDOWN, MK_MBUTTON, 3, 4, "down 2 32 3,4"},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, 5, 6, "down 0 72 5,6"},
        {WM_LBUTTONUP, 0, 7, 8, "up 0 0 7,8"},
        {WM_RBUTTONUP, MK_SHIFT, 9, 9, "up 1 1 9,9"},
        {WM_MOUSEMOVE, MK_RBUTTON, -5, -7, "move 16 -5,-7"}, // captured, left of the control
    };
    for (const Case& c : cases) {
        seen.clear();
        SendMessageW(probe.Handle(), c.msg, c.keys, MAKELPARAM(c.x, c.y));
        EXPECT_EQ(seen, (std::vector<std::string>{c.expected})) << c.expected;
    }
}

TEST_F(ControlTest, TheWheelEventSaysWhetherItHandledTheWheel) {
    THostWindow form{THostWindow::kHidden, kFormBounds};
    TPaintProbe& probe = form.Make<TPaintProbe>();
    probe.SetParent(&form);
    int parentWheels = 0;
    form.SetOnMouseWheel([&](TComponent&, TShiftState, int, TPoint, bool&) { ++parentWheels; });
    probe.SetOnMouseWheel(
        [&](TComponent&, TShiftState shift, int delta, TPoint pos, bool& handled) {
            EXPECT_EQ(shift, ssCtrl);
            EXPECT_EQ(pos, (TPoint{300, 400}));
            handled = delta > 0;
        });
    SendMessageW(probe.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, 120), MAKELPARAM(300, 400));
    EXPECT_EQ(parentWheels, 0);
    // Not handled: the default handling passes the wheel on to the parent.
    SendMessageW(probe.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -120), MAKELPARAM(300, 400));
    EXPECT_EQ(parentWheels, 1);
}

TEST_F(ControlTest, AnErrorInAnEventGoesToTheErrorBoxAndTheControlGoesOn) {
    THostWindow form{THostWindow::kHidden, kFormBounds};
    TPaintProbe& probe = form.Make<TPaintProbe>();
    probe.SetParent(&form);
    int calls = 0;
    probe.SetOnMouseDown([&](TComponent&, TMouseButton, TShiftState, int, int) {
        ++calls;
        throw Exception("no such day");
    });
    SendMessageW(probe.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(probe.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(calls, 2);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].text, "no such day");
    EXPECT_EQ(sink.messages[0].caption, "Ostrelle");
    EXPECT_TRUE(IsWindow(probe.Handle()));
}

TEST_F(ControlTest, InvalidateOnlyAsksForAPaint) {
    THostWindow form{THostWindow::kHidden, kFormBounds};
    TPaintProbe& probe = form.Make<TPaintProbe>();
    probe.SetParent(&form);
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(form.Handle());
    int before = probe.paints;
    probe.Invalidate();
    EXPECT_EQ(probe.paints, before);
    EXPECT_TRUE(GetUpdateRect(probe.Handle(), nullptr, FALSE));
    probe.Update();
    EXPECT_EQ(probe.paints, before + 1);
    probe.Repaint();
    EXPECT_EQ(probe.paints, before + 2);
}

TEST_F(ControlTest, AFailedPaintIsReportedOnceAndDoesNotComeBack) {
    THostWindow form{THostWindow::kHidden, kFormBounds};
    TPaintProbe& probe = form.Make<TPaintProbe>();
    probe.SetParent(&form);
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(form.Handle());
    probe.failPaint = true;
    probe.Repaint();
    EXPECT_EQ(sink.messages.size(), 1u);
    EXPECT_FALSE(GetUpdateRect(probe.Handle(), nullptr, FALSE));
    Application().ProcessMessages();
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(ControlTest, NativeControlsAreSubclassedAndGetTheirNotifications) {
    THostWindow form{THostWindow::kHidden, kFormBounds};
    TNativeProbe& button = form.Make<TNativeProbe>();
    button.SetCaption("Close");
    button.SetParent(&form);
    wchar_t cls[32] = {};
    GetClassNameW(button.Handle(), cls, 32);
    EXPECT_STREQ(cls, L"Button");
    wchar_t text[32] = {};
    GetWindowTextW(button.Handle(), text, 32);
    EXPECT_STREQ(text, L"Close");
    button.SetCaption("Shut");
    GetWindowTextW(button.Handle(), text, 32);
    EXPECT_STREQ(text, L"Shut");

    int downs = 0;
    button.SetOnMouseDown([&](TComponent&, TMouseButton, TShiftState, int, int) { ++downs; });
    SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(downs, 1);
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(button.commands.empty());
    EXPECT_EQ(button.commands.back(), BN_CLICKED);
}

TEST_F(ControlTest, TheCursorShowsOverTheClientArea) {
    THostWindow form{THostWindow::kHidden, kFormBounds};
    TPaintProbe& probe = form.Make<TPaintProbe>();
    probe.SetParent(&form);
    probe.SetCursor(crHandPoint);
    EXPECT_TRUE(SendMessageW(probe.Handle(), WM_SETCURSOR, WPARAM(probe.Handle()),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    probe.SetCursor(crSizeAll);
    SendMessageW(probe.Handle(), WM_SETCURSOR, WPARAM(probe.Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_SIZEALL));
}

TEST_F(ControlTest, ChildrenFollowTheParentsFontUntilTheyGetTheirOwn) {
    THostWindow form{THostWindow::kHidden, kFormBounds};
    TNativeProbe& follower = form.Make<TNativeProbe>();
    TNativeProbe& own = form.Make<TNativeProbe>();
    follower.SetParent(&form);
    own.SetParent(&form);
    own.Font().SetHeight(-20);
    form.Font().SetName("Tahoma");
    form.Font().SetHeight(-11);
    EXPECT_EQ(follower.Font().Name(), "Tahoma");
    EXPECT_TRUE(follower.ParentFont());
    EXPECT_EQ(own.Font().Name(), "MS Sans Serif");
    EXPECT_EQ(own.Font().Height(), -20);
    EXPECT_FALSE(own.ParentFont());
    HFONT sent = reinterpret_cast<HFONT>(SendMessageW(follower.Handle(), WM_GETFONT, 0, 0));
    EXPECT_EQ(sent, follower.Font().Handle());
    LOGFONTW lf{};
    GetObjectW(sent, sizeof lf, &lf);
    EXPECT_STREQ(lf.lfFaceName, L"Tahoma");
    EXPECT_EQ(lf.lfHeight, -11);
}

TEST_F(ControlTest, DestroyingEitherSideFirstLeavesNoDanglingWindow) {
    {
        THostWindow form{THostWindow::kHidden, kFormBounds};
        auto child = std::make_unique<TPaintProbe>(nullptr);
        child->SetParent(&form);
        HWND hwnd = child->Handle();
        child.reset();
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_TRUE(form.Controls().empty());
    }
    TPaintProbe child(nullptr);
    HWND hwnd = nullptr;
    {
        THostWindow form{THostWindow::kHidden, kFormBounds};
        child.SetParent(&form);
        hwnd = child.Handle();
    }
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(child.HandleAllocated());
    EXPECT_EQ(child.Parent(), nullptr);
}

TEST_F(ControlTest, FormDescriptionsPlaceControlsInTheirParents) {
    FormClasses classes;
    RegisterControlClasses(classes);
    classes.Class<TPaintProbe>("TPaintProbe", "TControl");
    FormHandlers handlers;
    int moves = 0;
    handlers.Add<void(TComponent&, TShiftState, int, int)>(
        "PanelMouseMove", [&](TComponent&, TShiftState, int, int) { ++moves; });
    THostWindow form{THostWindow::kHidden, kFormBounds};
    LoadForm(form, classes, handlers, R"(object Form: TForm
  Font.Name = 'Tahoma'
  Font.Style = [fsBold]
  object Side: TPaintProbe
    Width = 120
    Align = alLeft
    Cursor = crHandPoint
    Hint = 'side'
    ShowHint = True
  end
  object Main: TPaintProbe
    Align = alClient
    Color = clWhite
    OnMouseMove = PanelMouseMove
    object Inner: TPaintProbe
      Left = 5
      Top = 6
      Width = 7
      Height = 8
      Font.Height = -20
    end
  end
end)",
             "t");
    auto& side = dynamic_cast<TPaintProbe&>(*form.FindComponent("Side"));
    auto& main = dynamic_cast<TPaintProbe&>(*form.FindComponent("Main"));
    auto& inner = dynamic_cast<TPaintProbe&>(*form.FindComponent("Inner"));
    EXPECT_EQ(GetParent(side.Handle()), form.Handle());
    EXPECT_EQ(GetParent(inner.Handle()), main.Handle());
    EXPECT_EQ(WindowRectIn(side.Handle()), (TRect{0, 0, 120, form.ClientHeight()}));
    EXPECT_EQ(main.Left(), 120);
    EXPECT_EQ(WindowRectIn(inner.Handle()), (TRect{5, 6, 12, 14}));
    EXPECT_EQ(side.Cursor(), crHandPoint);
    EXPECT_EQ(side.Hint(), "side");
    EXPECT_TRUE(side.ShowHint());
    EXPECT_EQ(main.Color(), clWhite);
    EXPECT_EQ(side.Font().Name(), "Tahoma");
    EXPECT_EQ(side.Font().Style(), fsBold);
    EXPECT_EQ(inner.Font().Height(), -20);
    EXPECT_EQ(inner.Font().Name(), "Tahoma");
    SendMessageW(main.Handle(), WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(moves, 1);
}
