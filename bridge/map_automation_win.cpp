#include "map_automation_win.h"

#include "cp932_text.h"
#include "window_text.h"

#include <oleauto.h>

namespace {

constexpr int kMaxArgs = 10;

// Arguments of one call in the order the member takes them, with the storage that the
// by-reference ones point into kept alive until the call has returned.
class ArgList {
  public:
    ArgList() {
        for (int i = 0; i < kMaxArgs; ++i) {
            VariantInit(&args_[i]);
            VariantInit(&held_[i]);
        }
    }
    ArgList(const ArgList&) = delete;
    ArgList& operator=(const ArgList&) = delete;
    ~ArgList() {
        for (int i = 0; i < count_; ++i) {
            if (args_[i].vt == VT_BSTR) VariantClear(&args_[i]);
            SysFreeString(bstrs_[i]);
            VariantClear(&held_[i]);
        }
    }

    void I2(int16_t value) {
        VARIANTARG& arg = Next();
        arg.vt = VT_I2;
        arg.iVal = value;
    }
    void I4(int32_t value) {
        VARIANTARG& arg = Next();
        arg.vt = VT_I4;
        arg.lVal = value;
    }
    void I4Ref(int32_t value) {
        VARIANTARG& arg = Next();
        longs_[count_ - 1] = value;
        arg.vt = VT_I4 | VT_BYREF;
        arg.plVal = &longs_[count_ - 1];
    }
    // A BSTR passed by value: the argument owns it.
    void Bstr(const char* text) {
        VARIANTARG& arg = Next();
        arg.vt = VT_BSTR;
        arg.bstrVal = SysAllocString(cp932ToWide(text).c_str());
    }
    void BstrRef(const char* text) {
        VARIANTARG& arg = Next();
        bstrs_[count_ - 1] = SysAllocString(cp932ToWide(text).c_str());
        arg.vt = VT_BSTR | VT_BYREF;
        arg.pbstrVal = &bstrs_[count_ - 1];
    }
    // A variant holding the text, passed by reference.
    void TextVariantRef(const char* text) {
        VARIANTARG& arg = Next();
        VARIANT& held = held_[count_ - 1];
        held.vt = VT_BSTR;
        held.bstrVal = SysAllocString(cp932ToWide(text).c_str());
        arg.vt = VT_VARIANT | VT_BYREF;
        arg.pvarVal = &held;
    }

    // Automation wants the arguments last first.
    DISPPARAMS Params() {
        for (int i = 0; i < count_; ++i)
            reversed_[i] = args_[count_ - 1 - i];
        DISPPARAMS params = {};
        params.rgvarg = count_ > 0 ? reversed_ : nullptr;
        params.cArgs = static_cast<UINT>(count_);
        return params;
    }

  private:
    VARIANTARG& Next() { return args_[count_++]; }

    // By-reference values live here; a callee may replace them, and what it leaves is freed.
    VARIANTARG args_[kMaxArgs];
    VARIANTARG reversed_[kMaxArgs];
    BSTR bstrs_[kMaxArgs] = {};
    VARIANT held_[kMaxArgs];
    LONG longs_[kMaxArgs] = {};
    int count_ = 0;
};

class DispatchMap : public MapAutomation {
  public:
    explicit DispatchMap(IDispatch* object) : object_(object) {}
    ~DispatchMap() override {
        if (object_ != nullptr) object_->Release();
    }
    DispatchMap(const DispatchMap&) = delete;
    DispatchMap& operator=(const DispatchMap&) = delete;

    int EnableMark(int16_t enable) override {
        ArgList args;
        args.I2(enable);
        return Call(L"EnableMark", &args);
    }
    int SetEventWindow(int32_t window, int16_t message) override {
        ArgList args;
        args.I4Ref(window);
        args.I2(message);
        return Call(L"SetEventWindow", &args);
    }
    int MoveTo(const char* latitude, const char* longitude) override {
        ArgList args;
        args.BstrRef(latitude);
        args.BstrRef(longitude);
        return Call(L"MoveTo", &args);
    }
    int AddTextEx(const char* latitude, const char* longitude, const char* label, int16_t option1,
                  int16_t option2, const char* anchorLatitude, const char* anchorLongitude,
                  int16_t* id) override {
        ArgList args;
        args.BstrRef(latitude);
        args.BstrRef(longitude);
        args.BstrRef(label);
        args.I2(option1);
        args.I2(option2);
        args.BstrRef(anchorLatitude);
        args.BstrRef(anchorLongitude);
        VARIANT result;
        VariantInit(&result);
        if (Call(L"AddTextEx", &args, &result) < 0) return -1;
        return ResultAs(&result, VT_I2, [&](const VARIANT& v) { *id = v.iVal; });
    }
    int DeleteText(int16_t id) override {
        ArgList args;
        args.I2(id);
        return Call(L"DeleteText", &args);
    }
    int LayerName(const char* layer, char* name, size_t size) override {
        ArgList args;
        args.TextVariantRef(layer);
        VARIANT result;
        VariantInit(&result);
        if (Call(L"LayerName", &args, &result) < 0) return -1;
        return ResultText(&result, name, size);
    }
    int ChangeLayer(const char* name) override {
        ArgList args;
        args.BstrRef(name);
        return Call(L"ChangeLayer", &args);
    }
    int MarkLatitude(char* text, size_t size) override { return ReadText(L"MarkLatitude", text, size); }
    int MarkLongitude(char* text, size_t size) override { return ReadText(L"MarkLongitude", text, size); }

    int SetVisible(int16_t visible) override {
        ArgList args;
        args.I2(visible);
        return Call(L"Visible", &args, nullptr, DISPATCH_PROPERTYPUT);
    }
    int GetLat(int32_t* value) override { return ReadNumber(L"GetLat", value); }
    int GetLon(int32_t* value) override { return ReadNumber(L"GetLon", value); }
    int DeleteAllCustom() override {
        ArgList args;
        return Call(L"DeleteAllCustom", &args);
    }
    int AddIcon(int32_t longitude, int32_t latitude, const char* label, const char* note, int16_t option1,
                int16_t option2, int16_t option3, int32_t colour1, int32_t colour2,
                int16_t option4) override {
        ArgList args;
        args.I4Ref(longitude);
        args.I4Ref(latitude);
        args.BstrRef(label);
        args.Bstr(note);
        args.I2(option1);
        args.I2(option2);
        args.I2(option3);
        args.I4(colour1);
        args.I4(colour2);
        args.I2(option4);
        return Call(L"AddIcon", &args);
    }
    int Move(int32_t longitude, int32_t latitude) override {
        ArgList args;
        args.I4Ref(longitude);
        args.I4Ref(latitude);
        VARIANT ignored;
        VariantInit(&ignored);
        int result = Call(L"Move", &args, &ignored);
        VariantClear(&ignored);
        return result;
    }

  private:
    // Calls the member by name; a result, when asked for, is left in *result.
    int Call(const wchar_t* member, ArgList* args, VARIANT* result = nullptr, WORD flags = DISPATCH_METHOD) {
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR name = const_cast<LPOLESTR>(member);
        if (FAILED(object_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id))) return -1;
        DISPPARAMS params = args->Params();
        DISPID putId = DISPID_PROPERTYPUT;
        if (flags == DISPATCH_PROPERTYPUT) {
            params.rgdispidNamedArgs = &putId;
            params.cNamedArgs = 1;
        }
        EXCEPINFO exception = {};
        UINT badArg = 0;
        HRESULT hr =
            object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &exception, &badArg);
        SysFreeString(exception.bstrSource);
        SysFreeString(exception.bstrDescription);
        SysFreeString(exception.bstrHelpFile);
        return FAILED(hr) ? -1 : 0;
    }

    template <typename Use> static int ResultAs(VARIANT* result, VARTYPE type, Use use) {
        VARIANT converted;
        VariantInit(&converted);
        HRESULT hr = VariantChangeType(&converted, result, 0, type);
        VariantClear(result);
        if (FAILED(hr)) return -1;
        use(converted);
        VariantClear(&converted);
        return 0;
    }

    static int ResultText(VARIANT* result, char* text, size_t size) {
        int written = -1;
        ResultAs(result, VT_BSTR,
                 [&](const VARIANT& v) { written = static_cast<int>(wideToCp932Cut(v.bstrVal, text, size)); });
        return written < 0 ? -1 : 0;
    }

    int ReadText(const wchar_t* member, char* text, size_t size) {
        ArgList args;
        VARIANT result;
        VariantInit(&result);
        if (Call(member, &args, &result, DISPATCH_PROPERTYGET | DISPATCH_METHOD) < 0) return -1;
        return ResultText(&result, text, size);
    }

    int ReadNumber(const wchar_t* member, int32_t* value) {
        ArgList args;
        VARIANT result;
        VariantInit(&result);
        if (Call(member, &args, &result, DISPATCH_METHOD | DISPATCH_PROPERTYGET) < 0) return -1;
        return ResultAs(&result, VT_I4, [&](const VARIANT& v) { *value = v.lVal; });
    }

    IDispatch* object_;
};

} // namespace

std::unique_ptr<MapAutomation> WrapDispatchMap(IDispatch* object) {
    if (object == nullptr) return nullptr;
    return std::make_unique<DispatchMap>(object);
}

std::unique_ptr<MapAutomation> CreateDispatchMap(const char* identifier, DWORD classContext) {
    std::wstring progId = cp932ToWide(identifier);
    if (progId.empty()) return nullptr;
    CLSID classId;
    if (FAILED(CLSIDFromProgID(progId.c_str(), &classId))) return nullptr;
    IDispatch* object = nullptr;
    if (FAILED(CoCreateInstance(classId, nullptr, classContext, IID_IDispatch,
                                reinterpret_cast<void**>(&object))))
        return nullptr;
    return WrapDispatchMap(object);
}
