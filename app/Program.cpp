// Program entry: Tallyvane from the executable's own folder.
#include "RunProgram.h"

#include "toolkit/Files.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return RunTallyvane(ExecutableFolder());
}
