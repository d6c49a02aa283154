// MapAutomation over a map application's IDispatch, members called by name.
#pragma once

#include "map_automation.h"

#include <windows.h>
#include <ole2.h>

#include <memory>

// An object of the identifier's class, made in the given class context; null on failure.
std::unique_ptr<MapAutomation> CreateDispatchMap(const char* identifier, DWORD classContext);

// Wraps an object the caller already holds (one reference is taken over).
std::unique_ptr<MapAutomation> WrapDispatchMap(IDispatch* object);
