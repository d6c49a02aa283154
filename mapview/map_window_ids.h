// MapView's own window messages, child and menu identifiers and timers.
#pragma once

#include <windows.h>

namespace mapview {

constexpr UINT kMsgTilesReady = WM_APP + 1;
constexpr UINT kMsgSearchDone = WM_APP + 2;
constexpr UINT kMsgSearchEnter = WM_APP + 3;

constexpr int kIdSearchEdit = 100;
constexpr int kIdSearchList = 101;

constexpr WORD kIdSourceFirst = 200; // + TileSourceId
constexpr WORD kIdSourceCustom = 210;
constexpr WORD kIdSourceOff = 211;
constexpr WORD kIdFitAll = 220;
constexpr WORD kIdDatumTokyo = 230;
constexpr WORD kIdDatumWgs84 = 231;
constexpr WORD kIdAbout = 240;

constexpr UINT_PTR kTimerFlush = 1;

} // namespace mapview
