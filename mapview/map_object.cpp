#include "map_object.h"

#include <cstdio>
#include <string>
#include <vector>

#include "call_log.h"
#include "map_members.h"
#include "map_server.h"
#include "mapview_texts.h"
#include "cp932_text.h"

namespace mapview {

namespace {

// The way a member is being used, from Invoke's flags; 0 when the member cannot be used so.
// Late-bound callers often ask for a read with both DISPATCH_METHOD and DISPATCH_PROPERTYGET.
unsigned AccessOf(const Member& member, WORD flags) {
    if ((flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0)
        return (member.access & kPut) != 0 ? static_cast<unsigned>(kPut) : 0u;
    if ((flags & DISPATCH_METHOD) != 0 && (member.access & kMethod) != 0) return kMethod;
    if ((flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) != 0 && (member.access & kGet) != 0) return kGet;
    return 0;
}

const char* AccessName(unsigned access) {
    return access == kPut ? "put" : access == kGet ? "get" : "method";
}

BSTR AllocFromCp932(const char* text) {
    const std::wstring wide = cp932ToWide(text);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::string HexResult(HRESULT hr) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08lX", static_cast<unsigned long>(hr));
    return buf;
}

} // namespace

MapObject::MapObject(MapServer* server) : server_(server) {
    server_->lock();
    server_->objectCreated(this);
}

MapObject::~MapObject() {
    server_->objectDestroyed(this);
    server_->unlock();
}

HRESULT STDMETHODCALLTYPE MapObject::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (riid != IID_IUnknown && riid != IID_IDispatch) return E_NOINTERFACE;
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

ULONG STDMETHODCALLTYPE MapObject::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
}

ULONG STDMETHODCALLTYPE MapObject::Release() {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE MapObject::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE MapObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE MapObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (names == nullptr || ids == nullptr || count == 0) return E_INVALIDARG;
    const MapFamily family = server_->model().family();
    const Member* member = FindMemberByName(names[0], family);
    ids[0] = member != nullptr ? member->id : DISPID_UNKNOWN;
    // Members are called by position only: argument names are unknown.
    for (UINT i = 1; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    if (member == nullptr) {
        CallLogWrite(family, "@UnknownName", {wideToUtf8(names[0], lstrlenW(names[0]))});
        return DISP_E_UNKNOWNNAME;
    }
    return count > 1 ? DISP_E_UNKNOWNNAME : S_OK;
}

HRESULT STDMETHODCALLTYPE MapObject::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                                            VARIANT* result, EXCEPINFO* exception, UINT* argError) {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    const MapFamily family = server_->model().family();
    const Member* member = FindMemberById(id, family);
    if (member == nullptr) return DISP_E_MEMBERNOTFOUND;
    const unsigned access = AccessOf(*member, flags);
    if (access == 0) return DISP_E_MEMBERNOTFOUND;

    const UINT named = params != nullptr ? params->cNamedArgs : 0;
    if (access == kPut) {
        if (named > 1 || (named == 1 && params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)) {
            return DISP_E_NONAMEDARGS;
        }
    } else if (named != 0) {
        return DISP_E_NONAMEDARGS;
    }

    DispatchCall call(params, result);
    const UINT expected = access == kPut ? 1 : member->args;
    const std::string name = wideToUtf8(member->name, lstrlenW(member->name));
    std::vector<std::string> fields{AccessName(access)};
    for (const std::string& arg : call.describeArguments())
        fields.push_back(arg);

    HRESULT hr = call.count() == expected ? member->handler(*server_, call, access) : DISP_E_BADPARAMCOUNT;
    if (FAILED(hr)) {
        std::string failure = "!" + HexResult(hr);
        if (!call.error().empty()) failure += " " + cp932ToUtf8(call.error());
        fields.push_back(failure);
        CallLogWrite(family, name.c_str(), fields);
        if ((hr == DISP_E_TYPEMISMATCH || hr == DISP_E_OVERFLOW || hr == DISP_E_EXCEPTION) &&
            argError != nullptr && call.argError() < call.count()) {
            *argError = call.count() - 1 - call.argError(); // Invoke counts arguments from the last
        }
        if (hr == DISP_E_EXCEPTION && exception != nullptr) {
            ZeroMemory(exception, sizeof *exception);
            exception->bstrSource = AllocFromCp932(kErrorSource);
            exception->bstrDescription = AllocFromCp932(call.error().c_str());
            exception->scode = E_INVALIDARG;
        }
        return hr;
    }
    fields.push_back("=" + call.describeResult());
    CallLogWrite(family, name.c_str(), fields);
    if (member->changesMap && access != kGet) server_->changed();
    return S_OK;
}

} // namespace mapview
