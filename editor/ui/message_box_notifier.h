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

// A message box of the editor: `text` is cp932; owned by the thread's active window, else by
// the message owner below.
int ShowEditorMessage(const char* text, UINT type = MB_OK | MB_ICONEXCLAMATION);

// The window that owns the editor's boxes while the thread has no active window, as when
// files are dropped from another program; nullptr for none. A box without an owner would
// leave the window usable behind it.
void SetMessageOwner(HWND window);
