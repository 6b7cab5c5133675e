// Run ends the application's message loop for good, so it has a test
// executable of its own.
#include "UiTest.h"

#include "toolkit/Exception.h"
#include "toolkit/Timer.h"

#include <functional>

// Both message loops, a modal form's and the application's, run until their
// form may close and treat an error on the way alike: it is shown in the
// standard error box and the loop goes on. Run comes last: it ends for good.
TEST(MessageLoops, RunUntilTheirFormMayCloseAndShowErrorsOnTheWay) {
    RecordingMessageSink sink;
    ScopedMessageSink recorded(sink);
    Application().SetTitle("Ostrelle");
    THostWindow main;
    ASSERT_EQ(Application().MainForm(), &main);
    THostWindow dialog;
    struct Loop {
        const char* name;
        THostWindow& form;
        std::function<void()> run;
    } loops[] = {
        {"ShowModal", dialog, [&] { EXPECT_EQ(dialog.ShowModal(), mrCancel); }},
        {"Run", main,
         [] {
             Application().SetShowMainForm(false);
             Application().Run();
             EXPECT_TRUE(Application().Terminated());
         }},
    };
    for (const Loop& loop : loops) {
        SCOPED_TRACE(loop.name);
        sink.messages.clear();
        int asked = 0;
        loop.form.SetOnCloseQuery([&](TComponent&, bool& canClose) { canClose = ++asked >= 2; });
        TTimer timer;
        timer.SetInterval(10);
        int ticks = 0;
        timer.SetOnTimer([&](TTimer&) {
            if (++ticks == 1)
                throw Exception("tick failed");
            PostMessageW(loop.form.Handle(), WM_CLOSE, 0, 0);
        });
        loop.run();
        loop.form.SetOnCloseQuery(nullptr);

        EXPECT_EQ(asked, 2); // the first close was refused, the loop went on
        EXPECT_FALSE(IsWindowVisible(loop.form.Handle()));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].text, "tick failed");
        EXPECT_EQ(sink.messages[0].caption, "Ostrelle");
    }
}
