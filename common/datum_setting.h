// The user's choice of the datum the device's files use (日本測地系 / 世界測地系), kept where
// the editor and MapView both read it: HKEY_CURRENT_USER\Software\Vorn\Tenmark, value
// "Datum", REG_SZ "Tokyo" or "WGS84". Windows only.
#pragma once

#include "datum.h"

// The stored choice; WGS84 when none is stored or the value is not one of the two names.
Datum readDatumSetting();
// Stores the choice; false when the registry refused it.
bool writeDatumSetting(Datum datum);
