// Helpers for the MapView tests under Wine: running MapView.exe, calling members by name
// the way the bridge does, reading the call record, and a window that receives events.
#pragma once

#include "message_pump.h"

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

namespace mapview_test {

std::wstring BinDir();
std::wstring MapViewPath();

// Runs MapView.exe with these arguments and returns its exit code, or -1 if it did not end
// within the time. What it printed (UTF-8) goes to output when given.
int RunMapView(const std::wstring& arguments, std::string* output = nullptr, DWORD timeoutMs = 30000);

// The identifiers the test prefix registers, as the bridge's tests expect them.
extern const wchar_t* const kBuiltInIds[5];
int RegisterBuiltIns(DWORD timeoutMs = 30000);

// A VARIANT built for one call: the caller keeps the storage the references point at.
class Arg {
  public:
    static Arg I2(short v);
    static Arg I4(long v);
    static Arg Text(const wchar_t* v);
    static Arg RefI4(long v);                    // VT_BYREF | VT_I4
    static Arg RefText(const wchar_t* v);        // VT_BYREF | VT_BSTR
    static Arg RefVariantText(const wchar_t* v); // VT_BYREF | VT_VARIANT holding a BSTR
    Arg(const Arg& other);
    Arg& operator=(const Arg&) = delete;
    ~Arg();
    VARIANT variant() const; // refers into this Arg

  private:
    Arg();
    void bind();
    VARTYPE type_ = VT_EMPTY;
    short i2_ = 0;
    long i4_ = 0;
    BSTR text_ = nullptr;
    VARIANT inner_; // for a variant by reference
};

// The result of one call by name.
struct CallResult {
    HRESULT hr = E_FAIL;
    VARIANT value;
    std::wstring description; // from EXCEPINFO
    UINT argError = ~0u;
    CallResult();
    CallResult(const CallResult&) = delete;
    CallResult(CallResult&& other) noexcept;
    ~CallResult();
    long AsI4() const;
    std::wstring AsText() const;
};

// Late-bound call: GetIDsOfNames, then Invoke with the arguments in the caller's order.
CallResult Call(IDispatch* object, const wchar_t* name, WORD flags, const std::vector<Arg>& args = {});
CallResult Method(IDispatch* object, const wchar_t* name, const std::vector<Arg>& args = {});
CallResult Get(IDispatch* object, const wchar_t* name);
CallResult Put(IDispatch* object, const wchar_t* name, const Arg& value);

// Creates an object by identifier, as clients do: CLSIDFromProgID + CoCreateInstance.
HRESULT Create(const wchar_t* progId, IDispatch** object);

// The call record. Each line's fields: pid, family, name, then the call's own fields.
std::wstring TempFilePath(const wchar_t* stem);
std::vector<std::vector<std::string>> ReadRecord(const std::wstring& path);
std::vector<std::vector<std::string>> RecordOf(const std::wstring& path, const std::string& pid);
std::string Utf8(const wchar_t* text);

// A hidden top-level window that counts the messages of one number it receives.
class EventWindow {
  public:
    explicit EventWindow(UINT message);
    ~EventWindow();
    HWND hwnd() const { return hwnd_; }
    // Pumps messages until one more event arrived or the time is up; true when it did.
    bool WaitForEvent(DWORD timeoutMs);
    int count() const { return count_; }
    WPARAM lastWParam() const { return wParam_; }
    LPARAM lastLParam() const { return lParam_; }

  private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND hwnd_ = nullptr;
    UINT message_;
    int count_ = 0;
    WPARAM wParam_ = 0;
    LPARAM lParam_ = 0;
};


// The process that owns a window, opened to wait for it (close the handle after).
HANDLE OpenWindowProcess(HWND window, DWORD* pid = nullptr);
bool WaitForExit(HANDLE process, DWORD timeoutMs);

} // namespace mapview_test
