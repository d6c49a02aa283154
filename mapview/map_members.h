// The automation members of both map families, looked up by name or dispatch id.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "dispatch_call.h"
#include "map_model.h"

namespace mapview {

class MapServer;

enum MemberAccess : unsigned { kMethod = 1, kGet = 2, kPut = 4 };
enum MemberFamilies : unsigned { kProAtlas = 1, kMapple = 2, kBoth = 3 };

struct Member {
    const wchar_t* name;
    DISPID id;
    unsigned families; // MemberFamilies
    unsigned access;   // MemberAccess bits it can be invoked with
    UINT args;         // arguments of a method call or read; a write takes one
    bool changesMap;   // redraw and record the state after a successful call
    HRESULT (*handler)(MapServer& server, DispatchCall& call, unsigned access);
};

// Case-insensitive, as late-bound callers spell names freely; only the family's members.
const Member* FindMemberByName(const wchar_t* name, MapFamily family);
const Member* FindMemberById(DISPID id, MapFamily family);

} // namespace mapview
