#include "editor_application.h"

#include "editor_texts.h"
#include "main_window.h"
#include "message_box_notifier.h"
#include "cp932_text.h"
#include "window_text.h"

#include <commctrl.h>

#include <memory>
#include <string>

namespace {

MessageBoxNotifier g_notifier;

} // namespace

bool EditorApplication::InitInstance(const wchar_t* commandLine) {
    setMessageNotifier(&g_notifier);
    if (FAILED(oleInitialize(nullptr))) {
        ShowEditorMessage(TEXT_OLE_INIT_FAILED);
        return false;
    }
    // The list views, the status bar and the up-down control of the editor's dialogs.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                                                          ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES |
                                                          ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    // A path changed by the conversion would name another file: such a line opens nothing.
    std::wstring wide = commandLine != nullptr ? commandLine : L"";
    std::string line(wide.size() * 2 + 1, '\0');
    if (wideToCp932Exact(wide.c_str(), &line[0], line.size()) < 0) {
        ShowEditorMessage(MSG_UNUSABLE_FILE_NAME);
        line.clear();
    }
    {
        auto mainWindow = std::make_unique<MainWindow>(nullptr, line.c_str());
        mainWindow->RunModal();
    }
    OleUninitialize();
    return false;
}
