// Tenmark.exe: the point file editor.
#include "editor_application.h"
#include "path_text.h"

namespace {

EditorApplication theApp;

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    theApp.InitInstance(SkipProgramName(GetCommandLineW()));
    return 0;
}
