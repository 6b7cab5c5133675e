// The end of a session ends the application's message loop for good, so it
// has a test executable of its own.
#include "UiTest.h"

#include "toolkit/Exception.h"

// Refusing a log-off keeps nothing alive: the system ends the program
// anyway, unsaved. So forms agree without asking, and save when it happens.
TEST_F(UiTest, FormsAgreeToEndTheSessionAndTheMainFormEndsTheProgramWhenItEnds) {
    THostWindow main;
    THostWindow other;
    std::vector<std::string> events;
    for (THostWindow* form : {&main, &other}) {
        form->SetOnCloseQuery([&](TComponent&, bool& canClose) {
            events.push_back("closequery");
            canClose = false;
        });
        form->SetOnEndSession([&, form](TComponent& sender) {
            EXPECT_EQ(&sender, form);
            events.push_back(form == &main ? "main" : "other");
            if (form == &main)
                throw Exception("Cannot save");
        });
    }
    for (THostWindow* form : {&main, &other})
        EXPECT_EQ(SendMessageW(form->Handle(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    EXPECT_TRUE(events.empty());

    // The session goes on after all: nothing happens.
    SendMessageW(main.Handle(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(Application().Terminated());

    SendMessageW(other.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(events, std::vector<std::string>{"other"});
    EXPECT_FALSE(Application().Terminated());
    // A failed OnEndSession is shown; the program still ends.
    SendMessageW(main.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(events, (std::vector<std::string>{"other", "main"}));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Cannot save");
    EXPECT_TRUE(Application().Terminated());
}
