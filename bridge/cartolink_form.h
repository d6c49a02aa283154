// The form "Cartolink": Cartolink2's one window, with Text1 (the automation identifier),
// Command1 ("OK", no action) and Timer1 (the 100 ms map poll).
#pragma once

#include "bridge_state.h"

#include <windows.h>

constexpr int kText1Id = 101;
constexpr int kCommand1Id = 102;
constexpr UINT_PTR kTimer1Id = 1;
constexpr UINT kTimer1Interval = 100;

// Creates the form window and its controls, hidden. Returns null on failure.
HWND CreateCartolinkForm(HINSTANCE instance);

// Start-up: registers the protocol, clears the text identifiers, subclasses the window,
// shows the default identifier and starts Timer1. Returns 0, or -1 when the protocol could
// not be registered or the window not subclassed.
int Form_Load(HWND form);

// Timer1's tick: the Mapple poll.
void Timer1_Timer();

// Window closing: drops the Mapple object and puts the previous window procedure back.
void Form_Unload(HWND form);

// Drops both map objects; called before the component services are shut down.
void ReleaseMapObjects();

// The program-wide state, for the tests that drive the form in-process.
BridgeState* CartolinkState();
