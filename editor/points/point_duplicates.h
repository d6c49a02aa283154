#pragma once
// Finding points that are probably entered twice: within a short distance of another point,
// or with the same name as another.
#include "point_document.h"

#include <vector>

constexpr double kDuplicateMeters = 30.0;

// Marks (in `marked`, one flag per point) every point that lies within `meters` of another
// point or has the same, non-empty name as another; returns how many are marked. Points
// without both coordinates are compared by name only.
int findDuplicates(const PointDocument& doc, std::vector<bool>& marked, double meters = kDuplicateMeters);
