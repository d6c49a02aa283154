#include "call_log.h"

#include <windows.h>

#include "call_record.h"
#include "mapview_texts.h"
#include "cp932_text.h"

namespace mapview {

namespace {

std::wstring g_path;

std::wstring PathFromEnvironment() {
    wchar_t buf[MAX_PATH * 2];
    const DWORD n = GetEnvironmentVariableW(kCallLogVariable, buf, ARRAYSIZE(buf));
    if (n == 0 || n >= ARRAYSIZE(buf)) return std::wstring();
    return std::wstring(buf, n);
}

std::wstring PathFromRegistry() {
    wchar_t buf[MAX_PATH * 2];
    DWORD size = sizeof buf;
    if (RegGetValueW(HKEY_CURRENT_USER, kCallLogKey, kCallLogValue, RRF_RT_REG_SZ, nullptr, buf, &size) !=
        ERROR_SUCCESS) {
        return std::wstring();
    }
    return std::wstring(buf);
}

} // namespace

void CallLogOpen() {
    g_path = PathFromEnvironment();
    if (g_path.empty()) g_path = PathFromRegistry();
}

bool CallLogActive() {
    return !g_path.empty();
}

void CallLogWrite(MapFamily family, const char* name, const std::vector<std::string>& fields) {
    if (g_path.empty()) return;
    const std::string line = CallRecordLine(GetCurrentProcessId(), FamilyName(family), name, fields) + "\n";
    // Opened per line in append mode so several MapView processes can share one record.
    HANDLE file =
        CreateFileW(g_path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

void CallLogState(const MapModel& model) {
    if (g_path.empty()) return;
    std::vector<std::string> fields;
    for (const std::string& field : model.stateFields())
        fields.push_back(cp932ToUtf8(field));
    CallLogWrite(model.family(), "@State", fields);
}

} // namespace mapview
