#include "map_server.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "call_log.h"
#include "class_factory.h"
#include "mapview_texts.h"
#include "server_ids.h"
#include "cp932_text.h"

namespace mapview {

namespace {

// A server COM started but no client ever reached (the activation gave up) ends by itself.
constexpr UINT kStartTimeoutMs = 60000;

constexpr GeoPoint kPlainStartCentre{38 * kPerDegree + 30 * kPerMinute, 137 * kPerDegree + 30 * kPerMinute};
constexpr int kPlainStartZoom = 5;

MapServer* g_timeoutServer = nullptr;

} // namespace

MapServer::MapServer(MapFamily family, bool embedding)
    : model_(family), window_(model_), embedding_(embedding) {}

int MapServer::run() {
    char title[64];
    if (embedding_) {
        std::snprintf(title, sizeof title, kFmtWindowTitleFamily, FamilyName(model_.family()));
    } else {
        std::snprintf(title, sizeof title, "%s", kWindowTitle);
    }
    if (!embedding_) {
        // Started by hand: the whole country first. Clients choose their own place and layer.
        model_.setCentre(kPlainStartCentre);
        model_.setZoom(kPlainStartZoom);
    }
    if (window_.create(cp932ToWide(title).c_str(), SW_SHOWNORMAL) != 0) return 1;
    window_.setCloseHandler(OnUserClose, this);
    CallLogWrite(model_.family(), "@Start",
                 {embedding_ ? "embedding" : "plain",
                  "window:" + std::to_string(HandleToLong(window_.window())),
                  "zoom:" + std::to_string(model_.zoom())});
    CallLogState(model_);

    ClassFactory* factory = nullptr;
    DWORD cookie = 0;
    if (embedding_) {
        factory = new ClassFactory(this);
        // One client per process: a second client starts its own MapView with its own map.
        const HRESULT hr = CoRegisterClassObject(ClsidOfFamily(model_.family()), factory, CLSCTX_LOCAL_SERVER,
                                                 REGCLS_SINGLEUSE, &cookie);
        if (FAILED(hr)) {
            CallLogWrite(model_.family(), "@Exit", {"register-class-failed"});
            factory->Release();
            DestroyWindow(window_.window());
            return 1;
        }
        g_timeoutServer = this;
        SetTimer(nullptr, 0, kStartTimeoutMs, OnStartTimeout);
    }

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }

    if (cookie != 0) CoRevokeClassObject(cookie);
    if (factory != nullptr) factory->Release();
    g_timeoutServer = nullptr;
    CallLogWrite(model_.family(), "@Exit", {"ok"});
    return 0;
}

void MapServer::lock() {
    ++locks_;
    everUsed_ = true;
}

void MapServer::unlock() {
    if (--locks_ > 0 || !embedding_) return;
    // The last client let go: a COM-started map application ends with it.
    closeWindow();
}

void MapServer::objectCreated(IUnknown* object) {
    objects_.push_back(object);
}

void MapServer::objectDestroyed(IUnknown* object) {
    objects_.erase(std::remove(objects_.begin(), objects_.end(), object), objects_.end());
}

void MapServer::changed() {
    window_.applyVisibility();
    window_.refresh();
    CallLogState(model_);
}

void MapServer::closeWindow() {
    if (closing_ || window_.window() == nullptr) return;
    PostMessageW(window_.window(), WM_CLOSE, 0, 0);
}

void MapServer::OnUserClose(void* context) {
    auto* self = static_cast<MapServer*>(context);
    if (self->closing_) return;
    self->closing_ = true;
    // Clients still holding the map get an error on their next call instead of a dead window.
    const std::vector<IUnknown*> live = self->objects_;
    for (IUnknown* object : live)
        CoDisconnectObject(object, 0);
}

void CALLBACK MapServer::OnStartTimeout(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    MapServer* self = g_timeoutServer;
    if (self == nullptr || self->everUsed_) return;
    CallLogWrite(self->model_.family(), "@Timeout", {});
    self->closeWindow();
}

} // namespace mapview
