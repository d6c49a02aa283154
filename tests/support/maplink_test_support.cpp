#include "maplink_test_support.h"

#include "maplink_frame.h"
#include "cp932_text.h"
#include "window_text.h"

#include <cstdio>

namespace maplink_test {

namespace {

const wchar_t kScratchKey[] = L"Software\\Vorn\\TenmarkTest";

HKEY OpenScratch(REGSAM access) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, 0, access, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return nullptr;
    return key;
}

} // namespace

ScratchKey::ScratchKey() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratchKey);
}

ScratchKey::~ScratchKey() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratchKey);
}

MapObjectStore ScratchKey::Store() const {
    return MapObjectStore(HKEY_CURRENT_USER, kScratchKey);
}

void ScratchKey::SetString(const char* name, const char* text) const {
    HKEY key = OpenScratch(KEY_SET_VALUE);
    std::wstring wide = cp932ToWide(text);
    RegSetValueExW(key, cp932ToWide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                   static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

void ScratchKey::SetNumber(const char* name, DWORD value) const {
    HKEY key = OpenScratch(KEY_SET_VALUE);
    RegSetValueExW(key, cp932ToWide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof value);
    RegCloseKey(key);
}

std::string ScratchKey::String(const char* name) const {
    HKEY key = OpenScratch(KEY_QUERY_VALUE);
    wchar_t text[1024] = {};
    DWORD type = 0;
    DWORD bytes = sizeof text - sizeof(wchar_t);
    LONG status = RegQueryValueExW(key, cp932ToWide(name).c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(text), &bytes);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return "<absent>";
    if (type != REG_SZ) return "<type " + std::to_string(type) + ">";
    return wideToCp932Lossy(text);
}

long long ScratchKey::Number(const char* name) const {
    HKEY key = OpenScratch(KEY_QUERY_VALUE);
    DWORD value = 0;
    DWORD type = 0;
    DWORD bytes = sizeof value;
    LONG status = RegQueryValueExW(key, cp932ToWide(name).c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(&value), &bytes);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_DWORD) return -1;
    return value;
}

bool ScratchKey::Has(const char* name) const {
    return String(name) != "<absent>";
}

std::vector<std::string> ScratchKey::StoredNames() const {
    std::vector<std::string> names;
    for (int i = 0; i < 15; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "MapObject%02d", i);
        if (Has(name)) names.push_back(String(name));
    }
    return names;
}

BridgeStandIn::BridgeStandIn() {
    registerMapLinkMessagesWithSystem(&messages_);
    WNDCLASSW type = {};
    type.lpfnWndProc = Proc;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"MapLinkBridgeStandIn";
    RegisterClassW(&type);
    window_ = CreateWindowExW(0, type.lpszClassName, cp932ToWide(kBridgeWindowTitle).c_str(), WS_OVERLAPPED,
                              0, 0, 100, 100, nullptr, nullptr, type.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

BridgeStandIn::~BridgeStandIn() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT CALLBACK BridgeStandIn::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<BridgeStandIn*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    // The real bridge ends on WM_CLOSE; the stand-in only counts the request.
    if (message == WM_CLOSE) {
        ++self->closeRequests_;
        return 0;
    }
    if (message != self->messages_.WM_CARTOLINK) return DefWindowProcW(window, message, wParam, lParam);
    int sub = findSubCode(self->messages_, static_cast<uint32_t>(wParam));
    ++self->steps_;
    if (sub == SUB_TEXT_START) {
        self->text_.clear();
        self->steps_ = 1;
    } else if (sub == SUB_TEXT_CHAR) {
        unsigned char bytes[2];
        int n = decodeCharCode(lParam, bytes);
        self->text_.append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(n));
        if (n == 0) self->text_ += "<bad code>";
    } else {
        self->frames_.push_back(Frame{sub, self->text_, self->steps_});
        self->steps_ = 0;
    }
    return 0;
}

std::vector<std::string> BridgeStandIn::Describe() const {
    std::vector<std::string> out;
    for (const Frame& frame : frames_) {
        const char* name = frame.terminator >= 0 ? kSubCodeNames[frame.terminator] : "?";
        out.push_back(std::string(name) + ":" + frame.text);
    }
    return out;
}

} // namespace maplink_test
