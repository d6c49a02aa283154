// One automation call as a member handler sees it: arguments in the caller's order, taken
// through references and coerced to the type the member wants, and the result to return.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <string>
#include <vector>

namespace mapview {

class DispatchCall {
  public:
    // params as Invoke received them; result may be null when the caller wants none.
    DispatchCall(DISPPARAMS* params, VARIANT* result);
    ~DispatchCall();
    DispatchCall(const DispatchCall&) = delete;
    DispatchCall& operator=(const DispatchCall&) = delete;

    UINT count() const { return params_ != nullptr ? params_->cArgs : 0; }

    // Argument index (0 = first as the caller wrote it), converted. On failure they return
    // DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW and note the argument for Invoke's puArgErr.
    HRESULT argI2(UINT index, int16_t* out);
    HRESULT argI4(UINT index, int32_t* out);
    HRESULT argText(UINT index, std::string* cp932);

    void returnI4(int32_t value);
    void returnBool(bool value);
    void returnText(const std::string& cp932);

    // Refuses the call with DISP_E_EXCEPTION and this description (cp932) for the caller.
    HRESULT fail(const char* description, UINT argument);

    UINT argError() const { return argError_; }
    const std::string& error() const { return error_; }

    // For the call record (UTF-8): each argument as "TYPE:value", by-reference ones with a
    // leading "&" and variants by reference as "&VARIANT(TYPE:value)"; the result likewise.
    std::vector<std::string> describeArguments() const;
    std::string describeResult() const;

  private:
    const VARIANT* raw(UINT index) const;
    HRESULT coerce(UINT index, VARTYPE type, VARIANT* out);

    DISPPARAMS* params_;
    VARIANT* result_;
    VARIANT ownResult_;
    UINT argError_ = 0;
    std::string error_;
};

// "I2:5", "&BSTR:text" and so on (UTF-8).
std::string DescribeVariant(const VARIANT& v);

} // namespace mapview
