// A main window that cannot be made: the error is shown in the standard error
// box and the program ends with a non-zero exit code. (The built program
// without its hook library, its real box and what it leaves on disk are an
// end-to-end case.)
#include "app/RunProgram.h"

#include "toolkit/Application.h"
#include "toolkit/Exception.h"

#include <gtest/gtest.h>

TEST(RunProgram, AnErrorThatEndsTheProgramIsShownWithTheTitle) {
    RecordingMessageSink sink;
    {
        ScopedMessageSink recorded(sink);
        EXPECT_EQ(RunProgram([] { throw Exception("Could not find or load ostrelle.dll"); }), 1);
        EXPECT_EQ(RunProgram([] {}), 0);
    }
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Could not find or load ostrelle.dll");
    EXPECT_EQ(sink.messages[0].caption, "Ostrelle");
    EXPECT_EQ(sink.messages[0].flags & MB_ICONERROR, unsigned(MB_ICONERROR));
}
