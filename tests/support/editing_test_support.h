// Fixtures shared by the point editing tests: a fixed clock, mark icons that can be told apart
// by colour, and the message box that shows the core's messages.
#pragma once

#include "local_clock.h"
#include "message_notifier.h"

#include <windows.h>

#include <map>

namespace editing_test {

class FixedClock : public LocalClock {
  public:
    LocalTime now() const override { return {2024, 5, 6, 7, 8, 9}; }
};

// Solid 32x32 icons, one colour per mark image; the owner of each handle is the caller.
class TestMarkIcons {
  public:
    static constexpr int kCount = 55;
    HICON Make(int index);
    // The mark image index an icon shows (read from its centre pixel), or -1.
    static int IndexOf(HICON icon);
    static COLORREF ColourOf(int index);
};

// Shows the core's messages in a real message box owned by the active window, captioned with
// the executable's name, as the editor does.
class BoxNotifier : public MessageNotifier {
  public:
    void showMessage(const char* text) override;
};

// Common controls, once per process.
void InitControls();

} // namespace editing_test
