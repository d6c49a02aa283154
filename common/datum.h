// Tokyo datum (Bessel 1841, 日本測地系) and WGS84 (世界測地系): the three-parameter geocentric
// shift between them. Good to about 10 m on the main islands, which is all the old Tokyo-datum
// coordinates of devices and maps are worth; the inverse is exact to well under 1 cm, so a
// coordinate taken there and back lands where it was. Shared by the editor and MapView.
#pragma once

// Geodetic latitude and longitude in decimal degrees (north and east positive).
struct LatLon {
    double lat;
    double lon;
};

LatLon tokyoToWgs84(LatLon tokyo);
LatLon wgs84ToTokyo(LatLon wgs84);

// Which datum a set of coordinates is in; the registry and files spell it "Tokyo" / "WGS84".
enum class Datum { Tokyo, Wgs84 };

// "Tokyo" or "WGS84".
const char* datumName(Datum datum);
// Reads "Tokyo" or "WGS84" (any case; also "tokyo"/"wgs84" on command lines); false otherwise.
bool parseDatumName(const char* text, Datum& datum);
