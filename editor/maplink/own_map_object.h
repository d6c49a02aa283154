// MapView as the map application of a fresh install: registered for this user (by running
// MapView.exe /RegServer beside the editor) when its identifier is not known yet.
#pragma once

// "MapView.Map", after making sure it can be opened. Never fails: when MapView cannot be
// registered the bridge reports the identifier it could not open, as for any other.
const char* OwnMapObject();
