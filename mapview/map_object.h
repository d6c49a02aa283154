// The automation object a client holds: IDispatch over the process's one map, members
// called by name (no type library), with the members of its family only.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace mapview {

class MapServer;

class MapObject : public IDispatch {
  public:
    explicit MapObject(MapServer* server);
    virtual ~MapObject();
    MapObject(const MapObject&) = delete;
    MapObject& operator=(const MapObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

  private:
    LONG refs_ = 1;
    MapServer* server_;
};

} // namespace mapview
