// Drives the real modal dialogs of point editing from a second thread: the test thread runs
// the dialog's modal loop, the driver finds the dialog, sets its controls and presses its
// buttons, exactly as a user's input would reach them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace editing_test {

class Driver {
  public:
    // Notes the dialogs the UI thread shows already: they are never cancelled.
    explicit Driver(DWORD uiThread);

    // The visible dialog of the UI thread with this caption, or nullptr after the timeout.
    HWND WaitForDialog(const wchar_t* caption, DWORD timeoutMs = 10000) const;
    // True once the window is gone.
    bool WaitGone(HWND window, DWORD timeoutMs = 10000) const;

    // Presses a button and returns when its click has been handled.
    void Click(HWND dialog, int id) const;
    // Presses a button whose click opens a modal window or ends the dialog; returns at once.
    void ClickAsync(HWND dialog, int id) const;
    // Clicks a control with the mouse (a static that notifies clicks); returns at once.
    void MouseClickAsync(HWND dialog, int id) const;

    // Replaces a control's text, as typing would, and returns when it has been handled.
    void SetText(HWND dialog, int id, const std::wstring& text) const;
    // Types into a window key by key (characters only), after selecting what it holds.
    void Type(HWND control, const std::wstring& text) const;
    std::wstring Text(HWND dialog, int id) const;
    // The text as cp932 bytes, for comparing with the program's own literals.
    std::string TextCp932(HWND dialog, int id) const;

    bool Enabled(HWND dialog, int id) const;
    bool Checked(HWND dialog, int id) const;

    // Moves the selection of a combo box to entry k with the arrow keys.
    void ChooseWithKeys(HWND dialog, int id, int k) const;
    int Selection(HWND dialog, int id) const;

    // The window that has the focus on the UI thread.
    HWND Focus() const;
    // Waits until `window` has the focus; false after the timeout.
    bool WaitForFocus(HWND window, DWORD timeoutMs = 5000) const;

    // Closes the dialogs the UI thread opened since the driver began (after a failed step).
    void CancelAll() const;

    DWORD uiThread() const { return uiThread_; }

  private:
    DWORD uiThread_;
    std::vector<HWND> before_;
};

// Runs `modal` on this thread and `script` on a driver thread at the same time; returns what
// `modal` returned. When the script ends with dialogs still open they are cancelled, so a
// failed step never leaves the test hanging.
int RunDriven(const std::function<int()>& modal, const std::function<void(const Driver&)>& script);

// A message box shown by the UI thread: its text, after which OK is pressed.
std::string AnswerMessageBox(const Driver& driver, const wchar_t* caption);

std::wstring Wide(const char* cp932);
std::string Cp932(const std::wstring& text);
// The test executable's file name without extension: the caption of the program's messages.
std::wstring ExeTitle();

} // namespace editing_test
