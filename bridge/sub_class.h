// Module SubClass: message registration, the subclassed window procedure of the form, and
// the platform services the bridge's logic uses (window lookup, posting, message boxes).
#pragma once

#include "bridge_state.h"
#include "map_automation.h"

#include <windows.h>

// The platform side of the bridge for one form window.
class Win32BridgeHost : public BridgeHost {
  public:
    void Attach(HWND form, HWND text1) {
        form_ = form;
        text1_ = text1;
    }

    uintptr_t FindWindowByTitle(const char* title) override;
    int PostToWindow(uintptr_t window, uint32_t message, uint32_t wParam, intptr_t lParam) override;
    void ShowInformation(const char* text, const char* title) override;
    void ShowWarning(const char* text, const char* title) override;
    void ShowIdentifier(const char* identifier) override;
    std::unique_ptr<MapAutomation> GetMapObject(const char* identifier) override;
    std::unique_ptr<MapAutomation> CreateMapObject(const char* identifier) override;

    // True while one of the bridge's message boxes is up.
    bool ShowingBox() const { return boxes_ > 0; }

  private:
    void ShowBox(const char* text, const char* title, UINT icon);

    HWND form_ = nullptr;
    HWND text1_ = nullptr;
    int boxes_ = 0;
};

// Registers "WM_CARTOLINK" and the eleven sub-code names into state. Returns 0 or -1.
int SubClass_Register(BridgeState* state);

// Puts the bridge's window procedure in front of the form window's current one, which
// receives every message the bridge does not handle. Returns that previous procedure, or
// null when the window could not be subclassed.
WNDPROC SubClass_Install(HWND window);

// Puts the previous window procedure back.
void SubClass_Restore(HWND window, WNDPROC previous);

// The bridge's window procedure itself: hands each message to the window's form.
LRESULT CALLBACK SubClass_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
