// Identities under which MapView serves automation clients.
#pragma once

#include <windows.h>
#include <objbase.h>

#include "map_model.h"

namespace mapview {

// One class per family: every ProAtlas-family identifier (and MapView's own) names the first,
// "Mapple.Document" the second, so each identifier behaves as its family.
// {7C08A49B-B871-441A-92BC-545872214E9B}
constexpr CLSID kClsidProAtlasFamily = {
    0x7c08a49b, 0xb871, 0x441a, {0x92, 0xbc, 0x54, 0x58, 0x72, 0x21, 0x4e, 0x9b}};
// {89334BA4-87D8-47D5-814C-56C783334550}
constexpr CLSID kClsidMappleFamily = {
    0x89334ba4, 0x87d8, 0x47d5, {0x81, 0x4c, 0x56, 0xc7, 0x83, 0x33, 0x45, 0x50}};

constexpr wchar_t kOwnProgId[] = L"MapView.Map";
constexpr wchar_t kMappleProgId[] = L"Mapple.Document";

// The family an identifier stands for: only "Mapple.Document" (exactly) is Mapple, as clients decide.
inline MapFamily FamilyOfProgId(const wchar_t* progId) {
    return lstrcmpW(progId, kMappleProgId) == 0 ? MapFamily::Mapple : MapFamily::ProAtlas;
}

inline const CLSID& ClsidOfFamily(MapFamily family) {
    return family == MapFamily::Mapple ? kClsidMappleFamily : kClsidProAtlasFamily;
}

// The value of "/Family" on the server's command line.
inline const wchar_t* FamilySwitchValue(MapFamily family) {
    return family == MapFamily::Mapple ? L"Mapple" : L"ProAtlas";
}

} // namespace mapview
