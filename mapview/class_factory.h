// The class object COM asks for a new map.
#pragma once

#include <windows.h>
#include <unknwn.h>

namespace mapview {

class MapServer;

class ClassFactory : public IClassFactory {
  public:
    explicit ClassFactory(MapServer* server) : server_(server) {}
    virtual ~ClassFactory() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

  private:
    LONG refs_ = 1;
    MapServer* server_;
};

} // namespace mapview
