// Run ends the application's message loop for good, so it has a test
// executable of its own.
#include "UiTest.h"

#include "toolkit/Exception.h"
#include "toolkit/Timer.h"

TEST(ApplicationRun, RunsUntilTheMainFormMayCloseAndShowsErrorsOnTheWay) {
    RecordingMessageSink sink;
    ScopedMessageSink recorded(sink);
    Application().SetTitle("Ostrelle");
    THostWindow form;
    ASSERT_EQ(Application().MainForm(), &form);
    int asked = 0;
    form.SetOnCloseQuery([&](TComponent&, bool& canClose) { canClose = ++asked >= 2; });
    TTimer timer;
    timer.SetInterval(10);
    int ticks = 0;
    timer.SetOnTimer([&](TTimer&) {
        if (++ticks == 1)
            throw Exception("tick failed");
        PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
    });
    Application().SetShowMainForm(false);
    Application().Run();

    EXPECT_TRUE(Application().Terminated());
    EXPECT_EQ(asked, 2); // the first close was refused, the loop went on
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "tick failed");
    EXPECT_EQ(sink.messages[0].caption, "Ostrelle");
}
