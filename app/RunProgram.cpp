#include "RunProgram.h"

#include "About.h"
#include "Main.h"

#include "desktop/FolderInstance.h"
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
        // Before anything is read or written: the main window loads the
        // hook, puts up the tray icon and writes today's file as it is made.
        FolderInstance instance(programFolder);
        if (!instance.First()) {
            instance.ShowFirst();
            return;
        }
        SystemClock clock;
        TfrmMain frmMain(clock, programFolder);
        TfrmAbout frmAbout;
        frmMain.SetAboutDialog(&frmAbout);
        instance.OnShowRequest([&] { frmMain.pShowStatClick(frmMain); });
        Application().Run();
        // The window goes before the instance: no later request may reach it.
        instance.OnShowRequest(nullptr);
    });
}
