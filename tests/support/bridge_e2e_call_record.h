// MapView's record of the automation calls it received, read back by the tests.
// A line: pid TAB family TAB member TAB access TAB argument... TAB "=result" (or "!error"),
// UTF-8, fields escaped; "@State" lines hold the map's whole state after a change.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct RecordLine {
    unsigned long pid = 0;
    std::string family;
    std::string member;
    std::vector<std::string> fields; // after the member name
};

class CallRecord {
  public:
    // Points MapView's call record at a fresh file beside the tests (through the environment).
    explicit CallRecord(const wchar_t* fileName);
    ~CallRecord();
    CallRecord(const CallRecord&) = delete;
    CallRecord& operator=(const CallRecord&) = delete;

    std::vector<RecordLine> Lines() const;
    std::vector<RecordLine> Calls(const std::string& member) const;
    // Every automation call, without MapView's own "@" lines.
    std::vector<RecordLine> Calls() const;
    size_t Count(const std::string& member) const { return Calls(member).size(); }

    // Waits (dispatching messages) until the member was called at least count times.
    bool WaitForCalls(const std::string& member, size_t count, DWORD timeoutMilliseconds = 15000) const;

    // Fields of the last "@State" line that start with prefix (prefix removed).
    std::vector<std::string> State(const std::string& prefix) const;

  private:
    std::wstring path_;
};
