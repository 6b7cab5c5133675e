// ostrelle.dll itself, with key strokes injected through SendInput (its
// low-level hook sees injected input), and where the component loads it from.
//
// Other test programs may inject keys on the same desktop while these run, so
// the tests count only keys that nothing else uses, and each waits for a
// closing stroke of another key: the library delivers in order, so once that
// one has arrived every earlier stroke has.

#include "desktop/SysKeyboardHook.h"

#include "HookProbe.h"
#include "desktop/HookLibrary.h"
#include "hooklib/HookRec.h"
#include "support/HostWindow.h"
#include "support/PumpMessages.h"
#include "support/TempFolder.h"
#include "toolkit/Exception.h"
#include "toolkit/Files.h"
#include "toolkit/MessageWindow.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

constexpr WORD kKey = VK_F22;
constexpr WORD kClosingKey = VK_F23;

void Inject(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
}

void Stroke(WORD key) {
    Inject(key, false);
    Inject(key, true);
}

bool KeyDown(WORD key) {
    return GetAsyncKeyState(key) < 0;
}

// ostrelle.dll as the program loads it, from the test executable's folder.
class Ostrelle {
public:
    Ostrelle() : module_(LoadLibraryExW(Widen(Path()).c_str(), nullptr, 0)) {
        if (!module_)
            throw Exception("cannot load " + Path());
        record_ = Export<GetHookRecPointerProc>("GETHOOKRECPOINTER")();
        start_ = Export<StartKeyboardHookProc>("STARTKEYBOARDHOOK");
        stop_ = Export<StopKeyboardHookProc>("STOPKEYBOARDHOOK");
    }
    // A test that failed half-way must not leave its hook to the next one.
    ~Ostrelle() {
        if (module_ && record_->hookActive.load() != 0)
            stop_();
    }
    Ostrelle(const Ostrelle&) = delete;
    Ostrelle& operator=(const Ostrelle&) = delete;

    static std::string Path() { return ExecutableFolder() + "ostrelle.dll"; }

    HookRec& Record() { return *record_; }
    void Start() { start_(); }
    void Stop() { stop_(); }
    void Unload() { module_.Reset(); }

private:
    template <typename Proc> Proc Export(const char* name) {
        auto proc = GetProcAddress(module_.Get(), name);
        if (!proc)
            throw Exception(std::string("no export ") + name);
        return reinterpret_cast<Proc>(reinterpret_cast<void*>(proc));
    }

    ModuleHandle module_;
    HookRec* record_ = nullptr;
    StartKeyboardHookProc start_ = nullptr;
    StopKeyboardHookProc stop_ = nullptr;
};

// A key window that keeps every message the library sends it and answers
// through the record as the component does.
struct SpyWindow {
    struct Message {
        UINT msg;
        WPARAM wp;
        LPARAM lp;
    };
    explicit SpyWindow(HookRec& record)
        : window([this, &record](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
              if (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) {
                  messages.push_back({msg, wp, lp});
                  record.blockKey.store(block ? 1 : 0);
                  return 0;
              }
              return DefWindowProcW(hwnd, msg, wp, lp);
          }) {}

    std::vector<Message> Of(WORD key) const {
        std::vector<Message> found;
        for (const Message& m : messages)
            if (LOWORD(m.wp) == key)
                found.push_back(m);
        return found;
    }
    bool Arrived(WORD key) const { return !Of(key).empty(); }

    std::vector<Message> messages;
    bool block = false;
    MessageWindow window;
};

TEST(Ostrelle, ExportsItsRecordAndHooksBetweenStartAndStop) {
    Ostrelle library;
    HookRec& record = library.Record();
    EXPECT_EQ(record.hookActive.load(), 0u);
    library.Start();
    EXPECT_NE(record.hookActive.load(), 0u);
    library.Stop();
    EXPECT_EQ(record.hookActive.load(), 0u);
    library.Unload();
    // The hook's thread has let go of the library as well.
    EXPECT_EQ(GetModuleHandleW(Widen(Ostrelle::Path()).c_str()), nullptr);
}

// The library hooked, delivering to a spy window.
class HookedOstrelle : public ::testing::Test {
protected:
    void SetUp() override {
        library.Record().keyWindow.store(WindowWord(spy.window.Handle()));
        library.Start();
        ASSERT_NE(library.Record().hookActive.load(), 0u);
    }

    Ostrelle library;
    SpyWindow spy{library.Record()};
};

TEST_F(HookedOstrelle, DeliversOneKeyUpPerStrokeAndNeverAKeyDown) {
    // A held key repeats its key-down; it is still one stroke.
    Inject(kKey, false);
    Inject(kKey, false);
    Inject(kKey, false);
    Inject(kKey, true);
    Stroke(kKey);
    // Alt held: the release comes as a system key-up.
    Inject(VK_MENU, false);
    Stroke(kKey);
    Inject(VK_MENU, true);
    Stroke(kClosingKey);
    EXPECT_TRUE(PumpUntil([&] { return spy.Arrived(kClosingKey); }));
    library.Stop();

    auto messages = spy.Of(kKey);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].msg, UINT(WM_KEYUP));
    EXPECT_EQ(messages[1].msg, UINT(WM_KEYUP));
    EXPECT_EQ(messages[2].msg, UINT(WM_SYSKEYUP));
    EXPECT_EQ(messages[0].wp, WPARAM(kKey));
    for (const auto& m : spy.messages) {
        EXPECT_TRUE(m.msg == WM_KEYUP || m.msg == WM_SYSKEYUP) << "message " << m.msg;
        EXPECT_TRUE(m.lp & (LPARAM(1) << 31)) << "a release";
    }
}

TEST_F(HookedOstrelle, ARefusedKeyHasItsReleaseHeldBack) {
    Stroke(kKey);
    Stroke(kClosingKey);
    ASSERT_TRUE(PumpUntil([&] { return spy.Arrived(kClosingKey); }));
    EXPECT_FALSE(KeyDown(kKey));

    spy.block = true;
    Stroke(kKey);
    ASSERT_TRUE(PumpUntil([&] { return spy.Of(kKey).size() == 2; }));
    spy.block = false;
    EXPECT_TRUE(KeyDown(kKey)) << "the release did not go through";

    // The next release passes again.
    Inject(kKey, true);
    ASSERT_TRUE(PumpUntil([&] { return spy.Of(kKey).size() == 3; }));
    EXPECT_FALSE(KeyDown(kKey));
    library.Stop();
}

// The window's thread is busy well past the answer time-out while a key is
// typed (from another thread, as into another program): the key passes
// unanswered, and its count arrives once the thread looks at its messages.
TEST_F(HookedOstrelle, AKeyTypedWhileTheWindowIsBusyArrivesOnceAfterwards) {
    std::thread typist([] { Stroke(kKey); });
    Sleep(600);
    typist.join();
    EXPECT_FALSE(KeyDown(kKey)) << "the release went through unanswered";
    Stroke(kClosingKey);
    ASSERT_TRUE(PumpUntil([&] { return spy.Arrived(kClosingKey); }));
    EXPECT_EQ(spy.Of(kKey).size(), 1u);
    library.Stop();
}

TEST_F(HookedOstrelle, StopRemovesTheHook) {
    library.Stop();
    Stroke(kKey);
    // Nothing can be waited for here: give a stray delivery a moment.
    PumpUntil([] { return false; }, 200);
    EXPECT_TRUE(spy.messages.empty());
}

// --- The component with the real library ------------------------------------

TEST(SysKeyboardHookWithOstrelle, AnInjectedStrokeRaisesOnKeyDownExactlyOnce) {
    THostWindow form;
    auto& hook = form.Make<TSysKeyboardHook>();
    ASSERT_TRUE(hook.IsHooked());
    int keys = 0;
    bool closed = false;
    hook.SetOnKeyDown([&](TSysKeyboardHook& sender, std::uint16_t key, TShiftState, bool& allow) {
        EXPECT_EQ(&sender, &hook);
        EXPECT_TRUE(allow);
        keys += key == kKey;
        closed = closed || key == kClosingKey;
    });
    for (int expected = 1; expected <= 3; ++expected) {
        closed = false;
        Stroke(kKey);
        Stroke(kClosingKey);
        ASSERT_TRUE(PumpUntil([&] { return closed; }));
        EXPECT_EQ(keys, expected);
    }
}

TEST(SysKeyboardHookWithOstrelle, DestroyingTheComponentStopsTheHookAndUnloadsTheLibrary) {
    {
        THostWindow form;
        auto& hook = form.Make<TSysKeyboardHook>();
        ASSERT_TRUE(hook.IsHooked());
        EXPECT_NE(GetModuleHandleW(Widen(Ostrelle::Path()).c_str()), nullptr);
    }
    EXPECT_FALSE(HookLibrary::Process().Loaded());
    EXPECT_EQ(GetModuleHandleW(Widen(Ostrelle::Path()).c_str()), nullptr);
}

// --- Where the library is loaded from ---------------------------------------

// A library planted in the current folder, which the loader would otherwise
// search.
class PlantedLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        OstrelleTestProbe = HookProbe{};
        ASSERT_TRUE(
            CopyFileW(Widen(ExecutableFolder() + "hooklibs\\keeps_contract\\ostrelle.dll").c_str(),
                      Widen(planted / "ostrelle.dll").c_str(), FALSE));
        wchar_t folder[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, folder);
        saved = folder;
        ASSERT_TRUE(SetCurrentDirectoryW(Widen(planted.Path()).c_str()));
    }
    void TearDown() override {
        SetCurrentDirectoryW(saved.c_str());
        EXPECT_EQ(OstrelleTestProbe.attached, 0) << "the planted library was loaded";
    }

    std::string ConstructionError(const std::string& folder) {
        THostWindow form;
        try {
            form.Make<TSysKeyboardHook>(folder);
        } catch (const Exception& error) {
            return error.Message();
        }
        return "";
    }

    TempFolder planted;
    std::wstring saved;
};

TEST_F(PlantedLibrary, IsNotLoadedWhenTheProgramsFolderHasNone) {
    TempFolder programFolder;
    EXPECT_EQ(ConstructionError(programFolder.Path()), "Could not find or load ostrelle.dll");
}

TEST_F(PlantedLibrary, IsNotLoadedForAFolderThatIsNotAFullPath) {
    EXPECT_EQ(ConstructionError(""), "Could not find or load ostrelle.dll");
    EXPECT_EQ(ConstructionError(".\\"), "Could not find or load ostrelle.dll");
}

TEST_F(PlantedLibrary, TheProgramLoadsTheOneInItsOwnFolder) {
    THostWindow form;
    auto& hook = form.Make<TSysKeyboardHook>();
    EXPECT_TRUE(hook.IsHooked());
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(HookLibrary::Process().Module(), path, MAX_PATH), 0u);
    EXPECT_EQ(Narrow(path), Ostrelle::Path());
}

} // namespace
