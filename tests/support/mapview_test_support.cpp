#include "mapview_test_support.h"

#include <fstream>
#include <sstream>

#include "call_record.h"
#include "cp932_text.h"

namespace mapview_test {

const wchar_t* const kBuiltInIds[5] = {L"ProAtlasW.Map", L"ProAtlasW2.Map", L"ProAtlasW3.Map",
                                       L"ProAtlasSV.Map", L"Mapple.Document"};

std::wstring BinDir() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, n);
    return dir.substr(0, dir.find_last_of(L"\\/"));
}

std::wstring MapViewPath() {
    return BinDir() + L"\\MapView.exe";
}

int RunMapView(const std::wstring& arguments, std::string* output, DWORD timeoutMs) {
    std::wstring command = L"\"" + MapViewPath() + L"\" " + arguments;
    // Its output always goes to a pipe we drain, so it never mixes into the test's own.
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0)) return -1;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    PROCESS_INFORMATION pi = {};
    const BOOL started =
        CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return -1;
    }
    CloseHandle(pi.hThread);
    std::string text;
    char buf[512];
    DWORD got = 0;
    while (ReadFile(readEnd, buf, sizeof buf, &got, nullptr) && got > 0)
        text.append(buf, got);
    CloseHandle(readEnd);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
    if (output != nullptr) *output = text;
    return static_cast<int>(code);
}

int RegisterBuiltIns(DWORD timeoutMs) {
    std::wstring args = L"/RegServer";
    for (const wchar_t* id : kBuiltInIds)
        args += std::wstring(L" ") + id;
    return RunMapView(args, nullptr, timeoutMs);
}

Arg::Arg() {
    VariantInit(&inner_);
}

Arg::Arg(const Arg& other) : type_(other.type_), i2_(other.i2_), i4_(other.i4_) {
    VariantInit(&inner_);
    if (other.text_ != nullptr) text_ = SysAllocStringLen(other.text_, SysStringLen(other.text_));
    bind();
}

Arg::~Arg() {
    VariantClear(&inner_);
    SysFreeString(text_);
}

void Arg::bind() {
    if (type_ == (VT_BYREF | VT_VARIANT)) {
        V_VT(&inner_) = VT_BSTR;
        V_BSTR(&inner_) = SysAllocStringLen(text_, SysStringLen(text_));
    }
}

Arg Arg::I2(short v) {
    Arg a;
    a.type_ = VT_I2;
    a.i2_ = v;
    return a;
}

Arg Arg::I4(long v) {
    Arg a;
    a.type_ = VT_I4;
    a.i4_ = v;
    return a;
}

Arg Arg::Text(const wchar_t* v) {
    Arg a;
    a.type_ = VT_BSTR;
    a.text_ = SysAllocString(v);
    return a;
}

Arg Arg::RefI4(long v) {
    Arg a = I4(v);
    a.type_ = VT_BYREF | VT_I4;
    return a;
}

Arg Arg::RefText(const wchar_t* v) {
    Arg a = Text(v);
    a.type_ = VT_BYREF | VT_BSTR;
    return a;
}

Arg Arg::RefVariantText(const wchar_t* v) {
    Arg a = Text(v);
    a.type_ = VT_BYREF | VT_VARIANT;
    a.bind();
    return a;
}

VARIANT Arg::variant() const {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = type_;
    auto* self = const_cast<Arg*>(this);
    switch (type_) {
    case VT_I2:
        V_I2(&v) = i2_;
        break;
    case VT_I4:
        V_I4(&v) = i4_;
        break;
    case VT_BSTR:
        V_BSTR(&v) = text_;
        break;
    case VT_BYREF | VT_I4:
        V_I4REF(&v) = &self->i4_;
        break;
    case VT_BYREF | VT_BSTR:
        V_BSTRREF(&v) = &self->text_;
        break;
    case VT_BYREF | VT_VARIANT:
        V_VARIANTREF(&v) = &self->inner_;
        break;
    default:
        break;
    }
    return v;
}

CallResult::CallResult() {
    VariantInit(&value);
}

CallResult::CallResult(CallResult&& other) noexcept
    : hr(other.hr), value(other.value), description(std::move(other.description)), argError(other.argError) {
    VariantInit(&other.value);
}

CallResult::~CallResult() {
    VariantClear(&value);
}

long CallResult::AsI4() const {
    VARIANT v;
    VariantInit(&v);
    if (FAILED(VariantChangeType(&v, const_cast<VARIANT*>(&value), 0, VT_I4))) return -999999;
    return V_I4(&v);
}

std::wstring CallResult::AsText() const {
    if (V_VT(&value) != VT_BSTR || V_BSTR(&value) == nullptr) return L"<not text>";
    return std::wstring(V_BSTR(&value), SysStringLen(V_BSTR(&value)));
}

CallResult Call(IDispatch* object, const wchar_t* name, WORD flags, const std::vector<Arg>& args) {
    CallResult r;
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    r.hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(r.hr)) return r;
    std::vector<VARIANT> reversed;
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        reversed.push_back(it->variant());
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params = {reversed.empty() ? nullptr : reversed.data(), nullptr,
                         static_cast<UINT>(reversed.size()), 0};
    if (flags == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    EXCEPINFO info = {};
    r.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                          flags == DISPATCH_PROPERTYPUT ? nullptr : &r.value, &info, &r.argError);
    if (info.bstrDescription != nullptr) r.description = info.bstrDescription;
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrHelpFile);
    return r;
}

CallResult Method(IDispatch* object, const wchar_t* name, const std::vector<Arg>& args) {
    return Call(object, name, DISPATCH_METHOD, args);
}

CallResult Get(IDispatch* object, const wchar_t* name) {
    return Call(object, name, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
}

CallResult Put(IDispatch* object, const wchar_t* name, const Arg& value) {
    return Call(object, name, DISPATCH_PROPERTYPUT, {value});
}

HRESULT Create(const wchar_t* progId, IDispatch** object) {
    *object = nullptr;
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(progId, &clsid);
    if (FAILED(hr)) return hr;
    return CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                            reinterpret_cast<void**>(object));
}

std::wstring TempFilePath(const wchar_t* stem) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    std::wstring path = std::wstring(dir) + stem + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                        std::to_wstring(GetTickCount()) + L".log";
    DeleteFileW(path.c_str());
    return path;
}

std::vector<std::vector<std::string>> ReadRecord(const std::wstring& path) {
    std::vector<std::vector<std::string>> lines;
    std::ifstream in(path.c_str(), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty()) lines.push_back(mapview::SplitRecordLine(line));
    }
    return lines;
}

std::vector<std::vector<std::string>> RecordOf(const std::wstring& path, const std::string& pid) {
    std::vector<std::vector<std::string>> mine;
    for (auto& fields : ReadRecord(path)) {
        if (!fields.empty() && fields[0] == pid) mine.push_back(std::move(fields));
    }
    return mine;
}

std::string Utf8(const wchar_t* text) {
    return wideToUtf8(text, wcslen(text));
}

EventWindow::EventWindow(UINT message) : message_(message) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"MapViewTestEvents";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"MapView test events", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                            nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

EventWindow::~EventWindow() {
    DestroyWindow(hwnd_);
}

LRESULT CALLBACK EventWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<EventWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr && message == self->message_) {
        ++self->count_;
        self->wParam_ = wParam;
        self->lParam_ = lParam;
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool EventWindow::WaitForEvent(DWORD timeoutMs) {
    const int before = count_;
    return WaitUntil([&] { return count_ > before; }, timeoutMs);
}


HANDLE OpenWindowProcess(HWND window, DWORD* pid) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    if (pid != nullptr) *pid = id;
    return id != 0 ? OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id) : nullptr;
}

bool WaitForExit(HANDLE process, DWORD timeoutMs) {
    if (process == nullptr) return false;
    const DWORD start = GetTickCount();
    // Pump while waiting: COM and window messages of this thread must keep flowing.
    while (GetTickCount() - start < timeoutMs) {
        if (MsgWaitForMultipleObjects(1, &process, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0) return true;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    return false;
}

} // namespace mapview_test
