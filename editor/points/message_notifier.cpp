#include "message_notifier.h"

#include <cstdio>

namespace {

class StderrNotifier : public MessageNotifier {
  public:
    void showMessage(const char* text) override { std::fprintf(stderr, "%s\n", text); }
};

StderrNotifier defaultNotifier;
MessageNotifier* current = &defaultNotifier;

} // namespace

void setMessageNotifier(MessageNotifier* notifier) { current = notifier ? notifier : &defaultNotifier; }

void showMessage(const char* text) { current->showMessage(text); }
