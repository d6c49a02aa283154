// Messages from the bridge to the editor's window, which is looked up afresh at every send.
#pragma once

#include "map_automation.h"
#include "maplink_protocol.h"

// Posts a UMSG_MAP_REPLY frame carrying text, ended by terminator. Returns 0, also when the
// editor's window is missing (nothing is delivered and nothing is shown), -1 when a post failed.
int sendReply(BridgeHost& host, const MapLinkMessages& messages, SubCode terminator, const char* text);

// Posts UMSG_MAP_EVENT (wParam: the SUB_TEXT_START number, lParam 0) to the editor's window.
int notifyMapEvent(BridgeHost& host, const MapLinkMessages& messages);
