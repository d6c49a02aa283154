// The call record: every automation call and mark move, one UTF-8 line each, appended to the
// file named by the environment variable TENMARK_MAPVIEW_LOG or, failing that, by the value
// "CallLog" under HKEY_CURRENT_USER\Software\Vorn\MapView. Without either nothing is written.
#pragma once

#include <string>
#include <vector>

#include "map_model.h"

namespace mapview {

void CallLogOpen();
bool CallLogActive();

// Fields are UTF-8; the line gets the process id and family in front.
void CallLogWrite(MapFamily family, const char* name, const std::vector<std::string>& fields);

// An "@State" line with the model's whole state.
void CallLogState(const MapModel& model);

} // namespace mapview
