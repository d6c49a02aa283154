#include "bridge_e2e_call_record.h"

#include "bridge_e2e_driver.h"

#include <cstdlib>

namespace {

std::string Unescape(const std::string& field) {
    std::string text;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            text += field[i];
            continue;
        }
        char next = field[++i];
        text += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return text;
}

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> fields;
    size_t begin = 0;
    for (;;) {
        size_t tab = line.find('\t', begin);
        fields.push_back(
            Unescape(line.substr(begin, tab == std::string::npos ? std::string::npos : tab - begin)));
        if (tab == std::string::npos) return fields;
        begin = tab + 1;
    }
}

} // namespace

// MapView, started by COM from the bridge, inherits the bridge's environment, which the bridge
// inherits from this process: parallel test processes each get their own record.
CallRecord::CallRecord(const wchar_t* fileName) : path_(BesideTests(fileName)) {
    DeleteFileW(path_.c_str());
    SetEnvironmentVariableW(L"TENMARK_MAPVIEW_LOG", path_.c_str());
}

CallRecord::~CallRecord() {
    SetEnvironmentVariableW(L"TENMARK_MAPVIEW_LOG", nullptr);
}

std::vector<RecordLine> CallRecord::Lines() const {
    std::vector<RecordLine> lines;
    HANDLE file =
        CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lines;
    std::string content;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    CloseHandle(file);

    size_t begin = 0;
    size_t end = 0;
    // Only whole lines: MapView may be writing the last one right now.
    while ((end = content.find('\n', begin)) != std::string::npos) {
        std::vector<std::string> fields = Split(content.substr(begin, end - begin));
        begin = end + 1;
        if (fields.size() < 3) continue;
        RecordLine line;
        line.pid = std::strtoul(fields[0].c_str(), nullptr, 10);
        line.family = fields[1];
        line.member = fields[2];
        line.fields.assign(fields.begin() + 3, fields.end());
        lines.push_back(line);
    }
    return lines;
}

std::vector<RecordLine> CallRecord::Calls(const std::string& member) const {
    std::vector<RecordLine> calls;
    for (const RecordLine& line : Lines()) {
        if (line.member == member) calls.push_back(line);
    }
    return calls;
}

std::vector<RecordLine> CallRecord::Calls() const {
    std::vector<RecordLine> calls;
    for (const RecordLine& line : Lines()) {
        if (line.member.compare(0, 1, "@") != 0) calls.push_back(line);
    }
    return calls;
}

bool CallRecord::WaitForCalls(const std::string& member, size_t count, DWORD timeoutMilliseconds) const {
    return WaitUntil([&] { return Count(member) >= count; }, timeoutMilliseconds);
}

std::vector<std::string> CallRecord::State(const std::string& prefix) const {
    std::vector<std::string> found;
    std::vector<RecordLine> states = Calls("@State");
    if (states.empty()) return found;
    for (const std::string& field : states.back().fields) {
        if (field.compare(0, prefix.size(), prefix) == 0) found.push_back(field.substr(prefix.size()));
    }
    return found;
}
