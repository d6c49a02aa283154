// /RegServer and /UnregServer: MapView's classes and identifiers in the registry.
//
// Written per user (HKEY_CURRENT_USER\Software\Classes); under Wine also machine-wide,
// because Wine's COM does not read per-user classes. An identifier that already names another
// program's class (anywhere COM could see it) is never touched.
#pragma once

#include <string>
#include <vector>

namespace mapview {

// Process exit codes of the two commands.
constexpr int kRegisterDone = 0;
constexpr int kRegisterFailed = 1;
constexpr int kRegisterLeftSomeAlone = 2; // the rest was done

// Registers "MapView.Map" and the given identifiers (a ProAtlas-family class for each,
// except "Mapple.Document", which gets the Mapple-family class).
int RegisterServer(const std::wstring& exePath, const std::vector<std::wstring>& ids);

// Removes the given identifiers, or with none every identifier MapView registered and its
// classes. Identifiers that name another program's class stay.
int UnregisterServer(const std::vector<std::wstring>& ids);

bool RunningUnderWine();

} // namespace mapview
