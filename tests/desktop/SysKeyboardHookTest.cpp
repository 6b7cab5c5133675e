// The keyboard hook component against stand-in libraries that keep or break
// the hook library's contract. Key messages are sent to the key window the way
// the library sends them.

#include "desktop/SysKeyboardHook.h"

#include "HookProbe.h"
#include "desktop/HookLibrary.h"
#include "support/HostWindow.h"
#include "support/TempFolder.h"
#include "toolkit/Application.h"
#include "toolkit/Exception.h"
#include "toolkit/Files.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

static_assert(
    std::is_same_v<TSysKeyEvent,
                   std::function<void(TSysKeyboardHook&, std::uint16_t, TShiftState, bool&)>>,
    "Key is passed by value: a handler that changes it changes nothing outside");

std::string TestLibraryFolder(const std::string& name) {
    return ExecutableFolder() + "hooklibs\\" + name + "\\";
}

bool ModuleLoaded(const std::string& folder) {
    return GetModuleHandleW(Widen(folder + "ostrelle.dll").c_str()) != nullptr;
}

std::string ConstructionError(THostWindow& form, const std::string& folder) {
    try {
        form.Make<TSysKeyboardHook>(folder);
    } catch (const Exception& error) {
        return error.Message();
    }
    return "";
}

class SysKeyboardHookTest : public ::testing::Test {
protected:
    void SetUp() override { OstrelleTestProbe = HookProbe{}; }
    void TearDown() override {
        // No test may leave the library to the next one.
        EXPECT_FALSE(HookLibrary::Process().Loaded());
        EXPECT_EQ(OstrelleTestProbe.attached, OstrelleTestProbe.detached);
    }

    HookProbe& probe = OstrelleTestProbe;
};

// Sends a key message to a window as the hook library does, waiting for it
// to be handled.
void Deliver(HWND window, UINT msg, WPARAM key) {
    SendMessageW(window, msg, key, 0);
}

struct KeyLog {
    struct Event {
        std::uint16_t key;
        TShiftState shift;
    };
    std::vector<Event> events;
    TSysKeyEvent Recorder(bool allow = true) {
        return
            [this, allow](TSysKeyboardHook&, std::uint16_t key, TShiftState shift, bool& allowed) {
                EXPECT_TRUE(allowed) << "Allow starts true for every key";
                events.push_back({key, shift});
                allowed = allow;
            };
    }
};

// --- Construction failures -------------------------------------------------

TEST_F(SysKeyboardHookTest, AnOwnerThatIsNotAFormIsRefused) {
    TComponent notAForm;
    for (TComponent* owner : {static_cast<TComponent*>(nullptr), &notAForm}) {
        try {
            TSysKeyboardHook hook(owner, TestLibraryFolder("keeps_contract"));
            FAIL() << "constructed";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), "Control parent must be a form!");
        }
    }
    EXPECT_TRUE(notAForm.Components().empty());
    EXPECT_EQ(probe.attached, 0);
}

TEST_F(SysKeyboardHookTest, ASecondInstanceOnTheSameFormIsRefused) {
    THostWindow form;
    auto& first = form.Make<TSysKeyboardHook>(TestLibraryFolder("keeps_contract"));
    EXPECT_EQ(ConstructionError(form, TestLibraryFolder("keeps_contract")),
              "Only one instance of TSysKeyboardHook allowed on form");
    EXPECT_EQ(form.Components().size(), 1u);
    EXPECT_TRUE(first.IsHooked());
    EXPECT_EQ(probe.startCalls, 1);
}

TEST_F(SysKeyboardHookTest, ALibraryThatCannotBeLoadedFailsTheConstruction) {
    TempFolder empty;
    TempFolder notALibrary;
    WriteFile(notALibrary / "ostrelle.dll", "MZ but no library");
    for (const std::string& folder : {empty.Path(), notALibrary.Path()}) {
        THostWindow form;
        EXPECT_EQ(ConstructionError(form, folder), "Could not find or load ostrelle.dll");
        EXPECT_TRUE(form.Components().empty());
        // The hidden windows were made before the load and went with the
        // component.
        EXPECT_TRUE(form.ChildWindows().empty());
    }
}

// --- Libraries that break the contract --------------------------------------

struct MissingExport {
    const char* library;
};

class AMissingExport : public SysKeyboardHookTest,
                       public ::testing::WithParamInterface<MissingExport> {};

TEST_P(AMissingExport, IsNoErrorButTheLibraryIsUnloadedAndNothingIsCalled) {
    const std::string folder = TestLibraryFolder(GetParam().library);
    THostWindow form;
    auto& hook = form.Make<TSysKeyboardHook>(folder);
    EXPECT_EQ(probe.attached, 1);
    EXPECT_EQ(probe.detached, 1);
    EXPECT_FALSE(ModuleLoaded(folder));
    EXPECT_EQ(probe.calls, 0);
    EXPECT_FALSE(HookLibrary::Process().Loaded());
    EXPECT_EQ(HookLibrary::Process().Module(), nullptr);
    EXPECT_FALSE(hook.IsHooked());
}

INSTANTIATE_TEST_SUITE_P(SysKeyboardHook, AMissingExport,
                         ::testing::Values(MissingExport{"no_get"}, MissingExport{"no_start"},
                                           MissingExport{"no_stop"}),
                         [](const auto& info) { return std::string(info.param.library); });

TEST_F(SysKeyboardHookTest, ANullRecordIsNoErrorAndKeepsTheLibraryLoadedUntilTheEnd) {
    const std::string folder = TestLibraryFolder("null_record");
    {
        THostWindow form;
        auto& hook = form.Make<TSysKeyboardHook>(folder);
        EXPECT_EQ(probe.getCalls, 1);
        EXPECT_EQ(probe.startCalls, 0);
        EXPECT_TRUE(HookLibrary::Process().Loaded());
        EXPECT_EQ(HookLibrary::Process().Record(), nullptr);
        EXPECT_TRUE(ModuleLoaded(folder));
        EXPECT_FALSE(hook.IsHooked());
    }
    EXPECT_EQ(probe.stopCalls, 0);
    EXPECT_FALSE(ModuleLoaded(folder));
}

TEST_F(SysKeyboardHookTest, ALibraryThatNeverHooksStillGetsItsKeysRaisedButNoAnswers) {
    const std::string folder = TestLibraryFolder("never_active");
    KeyLog log;
    {
        THostWindow form;
        auto& hook = form.Make<TSysKeyboardHook>(folder);
        EXPECT_EQ(probe.startCalls, 1);
        EXPECT_FALSE(hook.IsHooked());
        hook.SetOnKeyDown(log.Recorder(false));
        Deliver(hook.KeyWindow(), WM_KEYUP, 'A');
        ASSERT_EQ(log.events.size(), 1u);
        EXPECT_EQ(HookLibrary::Process().Record()->blockKey.load(), kUntouchedBlockKey);
    }
    EXPECT_EQ(probe.stopCalls, 0);
    EXPECT_FALSE(ModuleLoaded(folder));
}

// --- A library that keeps the contract --------------------------------------

TEST_F(SysKeyboardHookTest, StartFillsTheRecordThenStartsTheHookAndDestructionStopsIt) {
    const std::string folder = TestLibraryFolder("keeps_contract");
    {
        THostWindow form;
        auto& hook = form.Make<TSysKeyboardHook>(folder);

        // The hidden windows are children of the form, made with it.
        ASSERT_NE(hook.KeyWindow(), nullptr);
        ASSERT_NE(hook.MouseWindow(), nullptr);
        EXPECT_NE(hook.KeyWindow(), hook.MouseWindow());
        for (HWND window : {hook.KeyWindow(), hook.MouseWindow()}) {
            EXPECT_EQ(GetParent(window), form.Handle());
            EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
            EXPECT_FALSE(IsWindowVisible(window));
        }

        EXPECT_EQ(probe.getCalls, 1);
        EXPECT_EQ(probe.startCalls, 1);
        EXPECT_EQ(probe.getOrder, 1);
        EXPECT_EQ(probe.startOrder, 2);
        const std::uint32_t* words = probe.recordAtStart;
        EXPECT_EQ(words[0], 0u) << "HookActive";
        EXPECT_EQ(words[1], kJunkWord) << "the library's own word is not touched";
        EXPECT_EQ(KeyboardHookRecord::WindowOf(words[2]), hook.KeyWindow());
        EXPECT_EQ(KeyboardHookRecord::WindowOf(words[3]), hook.MouseWindow());
        for (int i = 4; i < 9; ++i)
            EXPECT_EQ(words[i], 0u) << "word " << i;

        EXPECT_TRUE(hook.IsHooked());
        EXPECT_TRUE(ModuleLoaded(folder));
        EXPECT_EQ(probe.stopCalls, 0);
    }
    EXPECT_EQ(probe.stopCalls, 1);
    EXPECT_FALSE(ModuleLoaded(folder));
    EXPECT_FALSE(HookLibrary::Process().Loaded());
}

TEST_F(SysKeyboardHookTest, TheComponentPutsTwoHiddenWindowsIntoItsForm) {
    THostWindow form;
    form.Make<TSysKeyboardHook>(TestLibraryFolder("keeps_contract"));
    EXPECT_EQ(form.ChildWindows().size(), 2u);
}

TEST_F(SysKeyboardHookTest, EachKeyUpRaisesOneEventWithItsKeyCode) {
    THostWindow form;
    auto& hook = form.Make<TSysKeyboardHook>(TestLibraryFolder("keeps_contract"));
    KeyLog log;
    TSysKeyboardHook* sender = nullptr;
    hook.SetOnKeyDown([&](TSysKeyboardHook& s, std::uint16_t key, TShiftState shift, bool& allow) {
        sender = &s;
        log.Recorder()(s, key, shift, allow);
    });
    Deliver(hook.KeyWindow(), WM_KEYUP, 'A');
    Deliver(hook.KeyWindow(), WM_SYSKEYUP, VK_F4);
    // Only the low 16 bits of wParam are the key.
    Deliver(hook.KeyWindow(), WM_KEYUP, 0x7FFF0000 | 'Q');
    ASSERT_EQ(log.events.size(), 3u);
    EXPECT_EQ(log.events[0].key, 'A');
    EXPECT_EQ(log.events[1].key, VK_F4);
    EXPECT_EQ(log.events[2].key, 'Q');
    EXPECT_EQ(sender, &hook);
}

TEST_F(SysKeyboardHookTest, KeyDownsAndWhateverReachesTheMouseWindowRaiseNothing) {
    THostWindow form;
    auto& hook = form.Make<TSysKeyboardHook>(TestLibraryFolder("keeps_contract"));
    KeyLog log;
    hook.SetOnKeyDown(log.Recorder());
    Deliver(hook.KeyWindow(), WM_KEYDOWN, 'A');
    Deliver(hook.KeyWindow(), WM_SYSKEYDOWN, 'A');
    Deliver(hook.KeyWindow(), WM_CHAR, 'a');
    Deliver(hook.MouseWindow(), WM_KEYUP, 'A');
    Deliver(hook.MouseWindow(), WM_MOUSEMOVE, 0);
    EXPECT_TRUE(log.events.empty());
}

TEST_F(SysKeyboardHookTest, WithoutAHandlerNothingIsRaisedAndBlockKeyStaysZero) {
    THostWindow form;
    auto& hook = form.Make<TSysKeyboardHook>(TestLibraryFolder("keeps_contract"));
    ASSERT_FALSE(hook.OnKeyDown());
    Deliver(hook.KeyWindow(), WM_KEYUP, 'A');
    EXPECT_EQ(HookLibrary::Process().Record()->blockKey.load(), 0u);
}

TEST_F(SysKeyboardHookTest, BlockKeyAnswersAllowForThatKeyOnly) {
    THostWindow form;
    auto& hook = form.Make<TSysKeyboardHook>(TestLibraryFolder("keeps_contract"));
    const KeyboardHookRecord& record = *HookLibrary::Process().Record();
    std::vector<bool> answers{true, false, true, false, false};
    size_t next = 0;
    hook.SetOnKeyDown([&](TSysKeyboardHook&, std::uint16_t, TShiftState, bool& allow) {
        EXPECT_TRUE(allow);
        allow = answers[next++];
    });
    for (size_t i = 0; i < answers.size(); ++i) {
        Deliver(hook.KeyWindow(), WM_KEYUP, 'A');
        EXPECT_EQ(record.blockKey.load(), answers[i] ? 0u : 1u) << "key " << i;
    }
}

TEST_F(SysKeyboardHookTest, ShiftIsTheModifierStateThePlatformReportsWhenTheKeyIsHandled) {
    THostWindow form;
    auto& hook = form.Make<TSysKeyboardHook>(TestLibraryFolder("keeps_contract"));
    KeyLog log;
    hook.SetOnKeyDown(log.Recorder());

    BYTE saved[256];
    ASSERT_TRUE(GetKeyboardState(saved));
    struct Row {
        std::vector<int> held;
        TShiftState shift;
    };
    const Row rows[] = {
        {{}, 0},
        {{VK_SHIFT}, ssShift},
        {{VK_CONTROL}, ssCtrl},
        {{VK_MENU}, ssAlt},
        {{VK_CONTROL, VK_SHIFT}, ssShift | ssCtrl},
        {{VK_SHIFT, VK_CONTROL, VK_MENU}, ssShift | ssCtrl | ssAlt},
        {{VK_LSHIFT, VK_CAPITAL}, 0}, // only the generic keys are read
    };
    for (const Row& row : rows) {
        BYTE state[256] = {};
        for (int key : row.held)
            state[key] = 0x80;
        ASSERT_TRUE(SetKeyboardState(state));
        Deliver(hook.KeyWindow(), WM_KEYUP, 'K');
    }
    SetKeyboardState(saved);
    ASSERT_EQ(log.events.size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(log.events[i].shift, rows[i].shift) << "row " << i;
    EXPECT_EQ(rows[4].shift, 0x05u);
}

TEST_F(SysKeyboardHookTest, AnErrorInTheHandlerGoesToTheErrorBoxAndTheKeyIsStillAnswered) {
    RecordingMessageSink sink;
    ScopedMessageSink recorded(sink);
    Application().SetTitle("Ostrelle");
    THostWindow form;
    auto& hook = form.Make<TSysKeyboardHook>(TestLibraryFolder("keeps_contract"));
    hook.SetOnKeyDown([](TSysKeyboardHook&, std::uint16_t, TShiftState, bool& allow) {
        allow = false;
        throw Exception("no keys today");
    });
    Deliver(hook.KeyWindow(), WM_KEYUP, 'A');
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "no keys today");
    EXPECT_EQ(sink.messages[0].caption, "Ostrelle");
    EXPECT_EQ(HookLibrary::Process().Record()->blockKey.load(), 1u);
}

TEST_F(SysKeyboardHookTest, VersionAlwaysReadsOnePointOne) {
    THostWindow form;
    auto& hook = form.Make<TSysKeyboardHook>(TestLibraryFolder("keeps_contract"));
    EXPECT_EQ(hook.Version(), "1.1.0.0");
    hook.SetVersion("2.0.0.0");
    hook.SetVersion("");
    EXPECT_EQ(hook.Version(), "1.1.0.0");
}

// --- One library for the whole process --------------------------------------

TEST_F(SysKeyboardHookTest, ASecondFormsComponentFindsTheLibraryLoadedAndStartsNothing) {
    const std::string folder = TestLibraryFolder("keeps_contract");
    THostWindow formA;
    auto& a = formA.Make<TSysKeyboardHook>(folder);
    {
        THostWindow formB;
        auto& b = formB.Make<TSysKeyboardHook>(folder);
        EXPECT_EQ(probe.attached, 1);
        EXPECT_EQ(probe.getCalls, 1);
        EXPECT_EQ(probe.startCalls, 1);
        EXPECT_EQ(b.KeyWindow(), nullptr);
        EXPECT_EQ(KeyboardHookRecord::WindowOf(HookLibrary::Process().Record()->keyWindow.load()),
                  a.KeyWindow());
        EXPECT_TRUE(a.IsHooked());
        EXPECT_TRUE(b.IsHooked());
    }
    // Destroying either component stops the hook they share.
    EXPECT_EQ(probe.stopCalls, 1);
    EXPECT_FALSE(ModuleLoaded(folder));
    EXPECT_FALSE(a.IsHooked());
    formA.DestroyComponents();
    EXPECT_EQ(probe.stopCalls, 1);
}

TEST_F(SysKeyboardHookTest, StopHookStopsOnceAndStartHookStartsAgain) {
    const std::string folder = TestLibraryFolder("keeps_contract");
    THostWindow form;
    auto& hook = form.Make<TSysKeyboardHook>(folder);
    HWND keyWindow = hook.KeyWindow();
    hook.StopHook();
    hook.StopHook();
    EXPECT_EQ(probe.stopCalls, 1);
    EXPECT_FALSE(hook.IsHooked());
    EXPECT_FALSE(ModuleLoaded(folder));

    hook.StartHook();
    EXPECT_TRUE(hook.IsHooked());
    EXPECT_EQ(probe.attached, 2);
    EXPECT_EQ(hook.KeyWindow(), keyWindow) << "the windows are kept";
    EXPECT_EQ(KeyboardHookRecord::WindowOf(probe.recordAtStart[2]), keyWindow);
}

} // namespace
