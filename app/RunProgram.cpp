#include "RunProgram.h"

#include "About.h"
#include "Main.h"

#include "toolkit/Application.h"
#include "toolkit/Clock.h"

int RunProgram(const std::function<void()>& program) {
    Application().SetTitle("Ostrelle");
    bool ran = false;
    Application().Dispatch([&] {
        program();
        ran = true;
    });
    return ran ? 0 : 1;
}

int RunTallyvane(const std::string& programFolder) {
    return RunProgram([&] {
        SystemClock clock;
        TfrmMain frmMain(clock, programFolder);
        TfrmAbout frmAbout;
        frmMain.SetAboutDialog(&frmAbout);
        Application().Run();
    });
}
