#include "dispatch_call.h"

#include <cstdio>

#include "cp932_text.h"

namespace mapview {

namespace {

const char* TypeName(VARTYPE type) {
    switch (type & VT_TYPEMASK) {
    case VT_EMPTY:
        return "EMPTY";
    case VT_NULL:
        return "NULL";
    case VT_I1:
        return "I1";
    case VT_I2:
        return "I2";
    case VT_I4:
        return "I4";
    case VT_I8:
        return "I8";
    case VT_UI1:
        return "UI1";
    case VT_UI2:
        return "UI2";
    case VT_UI4:
        return "UI4";
    case VT_UI8:
        return "UI8";
    case VT_INT:
        return "INT";
    case VT_UINT:
        return "UINT";
    case VT_R4:
        return "R4";
    case VT_R8:
        return "R8";
    case VT_CY:
        return "CY";
    case VT_DATE:
        return "DATE";
    case VT_BSTR:
        return "BSTR";
    case VT_DISPATCH:
        return "DISPATCH";
    case VT_UNKNOWN:
        return "UNKNOWN";
    case VT_ERROR:
        return "ERROR";
    case VT_BOOL:
        return "BOOL";
    case VT_VARIANT:
        return "VARIANT";
    case VT_DECIMAL:
        return "DECIMAL";
    default:
        return "OTHER";
    }
}

std::string ValueText(const VARIANT& v) {
    VARIANT text;
    VariantInit(&text);
    std::string out;
    const VARTYPE base = V_VT(&v) & VT_TYPEMASK;
    if (base == VT_EMPTY || base == VT_NULL || base == VT_DISPATCH || base == VT_UNKNOWN) return out;
    if (SUCCEEDED(VariantChangeTypeEx(&text, const_cast<VARIANT*>(&v), LOCALE_INVARIANT,
                                      VARIANT_NOUSEROVERRIDE, VT_BSTR)) &&
        V_BSTR(&text) != nullptr) {
        out = wideToUtf8(V_BSTR(&text), SysStringLen(V_BSTR(&text)));
    }
    VariantClear(&text);
    return out;
}

} // namespace

std::string DescribeVariant(const VARIANT& v) {
    if (V_VT(&v) == (VT_BYREF | VT_VARIANT)) {
        if (V_VARIANTREF(&v) == nullptr) return "&VARIANT()";
        return "&VARIANT(" + DescribeVariant(*V_VARIANTREF(&v)) + ")";
    }
    if ((V_VT(&v) & VT_ARRAY) != 0) return std::string((V_VT(&v) & VT_BYREF) ? "&" : "") + "ARRAY";
    std::string out = (V_VT(&v) & VT_BYREF) ? "&" : "";
    out += TypeName(V_VT(&v));
    out += ':';
    out += ValueText(v);
    return out;
}

DispatchCall::DispatchCall(DISPPARAMS* params, VARIANT* result) : params_(params), result_(result) {
    VariantInit(&ownResult_);
    if (result_ == nullptr) result_ = &ownResult_;
    VariantInit(result_);
}

DispatchCall::~DispatchCall() {
    VariantClear(&ownResult_);
}

const VARIANT* DispatchCall::raw(UINT index) const {
    if (params_ == nullptr || index >= params_->cArgs) return nullptr;
    // Invoke passes arguments last first.
    return &params_->rgvarg[params_->cArgs - 1 - index];
}

HRESULT DispatchCall::coerce(UINT index, VARTYPE type, VARIANT* out) {
    const VARIANT* in = raw(index);
    argError_ = index;
    if (in == nullptr) return DISP_E_BADPARAMCOUNT;
    VARIANT plain;
    VariantInit(&plain);
    HRESULT hr = VariantCopyInd(&plain, const_cast<VARIANT*>(in)); // through a reference, also to a variant
    if (FAILED(hr)) return DISP_E_TYPEMISMATCH;
    if (V_VT(&plain) == (VT_BYREF | VT_VARIANT)) hr = DISP_E_TYPEMISMATCH;
    if (SUCCEEDED(hr)) hr = VariantChangeTypeEx(out, &plain, LOCALE_INVARIANT, 0, type);
    VariantClear(&plain);
    if (hr == DISP_E_OVERFLOW) return hr;
    return FAILED(hr) ? DISP_E_TYPEMISMATCH : S_OK;
}

HRESULT DispatchCall::argI2(UINT index, int16_t* out) {
    VARIANT v;
    VariantInit(&v);
    const HRESULT hr = coerce(index, VT_I2, &v);
    if (FAILED(hr)) return hr;
    *out = V_I2(&v);
    return S_OK;
}

HRESULT DispatchCall::argI4(UINT index, int32_t* out) {
    VARIANT v;
    VariantInit(&v);
    const HRESULT hr = coerce(index, VT_I4, &v);
    if (FAILED(hr)) return hr;
    *out = V_I4(&v);
    return S_OK;
}

HRESULT DispatchCall::argText(UINT index, std::string* cp932) {
    VARIANT v;
    VariantInit(&v);
    const HRESULT hr = coerce(index, VT_BSTR, &v);
    if (FAILED(hr)) return hr;
    *cp932 = wideToCp932Lossy(V_BSTR(&v), V_BSTR(&v) != nullptr ? SysStringLen(V_BSTR(&v)) : 0);
    VariantClear(&v);
    return S_OK;
}

void DispatchCall::returnI4(int32_t value) {
    VariantClear(result_);
    V_VT(result_) = VT_I4;
    V_I4(result_) = value;
}

void DispatchCall::returnBool(bool value) {
    VariantClear(result_);
    V_VT(result_) = VT_BOOL;
    V_BOOL(result_) = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void DispatchCall::returnText(const std::string& cp932) {
    VariantClear(result_);
    const std::wstring wide = cp932ToWide(cp932);
    V_VT(result_) = VT_BSTR;
    V_BSTR(result_) = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

HRESULT DispatchCall::fail(const char* description, UINT argument) {
    error_ = description;
    argError_ = argument;
    return DISP_E_EXCEPTION;
}

std::vector<std::string> DispatchCall::describeArguments() const {
    std::vector<std::string> out;
    for (UINT i = 0; i < count(); ++i)
        out.push_back(DescribeVariant(*raw(i)));
    return out;
}

std::string DispatchCall::describeResult() const {
    return DescribeVariant(*result_);
}

} // namespace mapview
