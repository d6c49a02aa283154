#pragma once
// A point's stored coordinates as numbers, for comparing and measuring.

// The coordinate text (DDD/MM/SS.s, or any text packCoord reads) in tenths of an arc second;
// false when the text holds no digit, so the point has no such coordinate.
bool coordTenths(const char* text, long long& tenths);

// Point i's longitude and latitude in degrees; false unless it has both.
class PointDocument;
bool pointDegrees(const PointDocument& doc, int i, double& longitude, double& latitude);

// Ground distance in metres between two positions in degrees. The points are a few hundred
// metres apart at most where it matters, so a flat projection at their mean latitude is exact
// to well under a metre.
double distanceMeters(double longitude1, double latitude1, double longitude2, double latitude2);
