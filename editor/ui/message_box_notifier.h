// Shows the point core's messages as message boxes: OK button, exclamation icon, and the
// executable's file name without extension as caption.
#pragma once

#include "message_notifier.h"

#include <windows.h>

class MessageBoxNotifier : public MessageNotifier {
  public:
    void showMessage(const char* text) override;
};

// The executable's file name without its extension (cp932), the caption of the editor's boxes.
const char* ApplicationTitle();

// A message box of the editor: `text` is cp932; owned by the thread's active window.
int ShowEditorMessage(const char* text, UINT type = MB_OK | MB_ICONEXCLAMATION);
