// The form "Cartolink": Cartolink2's one window, with Text1 (the automation identifier),
// Command1 ("OK", no action) and Timer1 (the 100 ms map poll). The form object owns the
// window, the map and the text buffer (in its BridgeState) for the life of the process.
#pragma once

#include "bridge_state.h"
#include "sub_class.h"

#include <windows.h>

constexpr int kText1Id = 101;
constexpr int kCommand1Id = 102;
constexpr UINT_PTR kTimer1Id = 1;
constexpr UINT kTimer1Interval = 100;

class CartolinkForm {
  public:
    CartolinkForm() = default;
    CartolinkForm(const CartolinkForm&) = delete;
    CartolinkForm& operator=(const CartolinkForm&) = delete;

    // Creates the form window and its controls, hidden. Returns null on failure.
    HWND Create(HINSTANCE instance);

    // Start-up: registers the protocol, clears the text identifiers, subclasses the window,
    // shows the default identifier and starts Timer1. Returns 0, or -1 when the protocol could
    // not be registered or the window not subclassed.
    int Form_Load();
    // Timer1's tick: a close that waited for the end of a command, else the Mapple poll.
    void Timer1_Timer();
    // Window closing: drops the Mapple object and puts the previous window procedure back.
    void Form_Unload();
    // Drops both map objects; called before the component services are shut down.
    void ReleaseMapObjects();

    HWND window() const { return window_; }
    BridgeState& state() { return state_; }
    // The procedure that was in place before Form_Load subclassed the window (null before).
    WNDPROC previousProcedure() const { return previous_; }

    // The form of a window this program made (null for any other window).
    static CartolinkForm* OfWindow(HWND window);
    // What the subclassed procedure does with a message: WM_CARTOLINK goes to the bridge's
    // dispatch, everything else (and a sub-code it does not know) to the previous procedure.
    LRESULT SubClassMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnClose();
    LRESULT OnDestroy();

    HWND window_ = nullptr;
    BridgeState state_;
    Win32BridgeHost host_;
    WNDPROC previous_ = nullptr;
};
