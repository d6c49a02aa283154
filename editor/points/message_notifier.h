#pragma once
// How the point core tells the user something went wrong: the editor shows a message box,
// the command-line tool prints to stderr. One notifier serves the whole process.

class MessageNotifier {
  public:
    virtual ~MessageNotifier() = default;
    // `text` is cp932.
    virtual void showMessage(const char* text) = 0;
};

// Installs the process's notifier (not owned); nullptr restores the default (stderr).
void setMessageNotifier(MessageNotifier* notifier);
void showMessage(const char* text);
