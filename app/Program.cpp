// Program entry: the application titled "Ostrelle", the main window built
// from its form description, and the message loop until a confirmed quit.
#include "About.h"
#include "Main.h"

#include "toolkit/Application.h"
#include "toolkit/Files.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Application().SetTitle("Ostrelle");
    SystemClock clock;
    TfrmMain frmMain(clock, ExecutableFolder());
    TfrmAbout frmAbout;
    frmMain.SetAboutDialog(&frmAbout);
    Application().Run();
    return 0;
}
