// qpf: prints, creates and batch-edits QPF point files through the editor's own core.
#include "cp932_text.h"
#include "message_notifier.h"
#include "qpf_commands.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char kUsage[] =
    "usage: qpf dump [--raw] FILE\n"
    "       qpf new OUT\n"
    "       qpf edit [--raw] FILE [-o OUT] OP...\n"
    "       qpf convert [--from FMT] [--to FMT] [--datum tokyo|wgs84] IN OUT\n"
    "       qpf --help\n";

const char kHelp[] =
    "\n"
    "dump   prints a header line of field names, then one TAB-separated line per point,\n"
    "       as UTF-8 (--raw: the stored cp932 bytes).\n"
    "new    writes a file with no points.\n"
    "edit   applies the OPs in order and writes the result to OUT (default FILE):\n"
    "         insert I            a new point at position I (0-based)\n"
    "         remove I            deletes the point at I\n"
    "         move TO FROM        puts the point at FROM just before the one at TO\n"
    "         set I FIELD VALUE   FIELD: markNumber name longitude latitude voiceWord\n"
    "                             soundCode directionCode phone directionEnabled\n"
    "                             (VALUE is UTF-8; --raw: taken as bytes)\n"
    "         clear               deletes every point\n"
    "convert  reads IN and writes its points to OUT, through the point record, so QPF's\n"
    "       limits hold for every OUT (200 points, names and readings of 20 bytes, cp932\n"
    "       text, north latitudes and east longitudes):\n"
    "         FMT               qpf gpx kml kmz csv geojson; without --from / --to, taken\n"
    "                           from the extension (.qpf .gpx .kml .kmz .csv .geojson .json)\n"
    "         --datum tokyo     the QPF side holds Tokyo-datum coordinates: they are shifted\n"
    "                           to or from WGS84 when the other side is not QPF (GPX, KML and\n"
    "                           GeoJSON are WGS84, CSV is taken as WGS84); default wgs84\n"
    "       Every change made to fit is said on stderr, one line per point and field, and\n"
    "       one line per kind of point left out or geometry ignored. The record's fields\n"
    "       travel by the names dump prints: GPX <extensions>, KML ExtendedData, GeoJSON\n"
    "       properties, CSV columns (UTF-8 with a BOM; latitude and longitude in decimal\n"
    "       degrees). CSV in is UTF-8 or cp932, comma, TAB or semicolon, with a header row\n"
    "       or in the order lon,lat,name[,comment].\n"
    "exit status: 0 done, 1 a file could not be read or written (convert: or held no usable\n"
    "point; nothing is then written) or a point could not be added, 2 wrong usage.\n";

// The core's messages are cp932; the terminal reads UTF-8.
class StderrUtf8Notifier : public MessageNotifier {
  public:
    void showMessage(const char* text) override {
        std::string utf8 = cp932ToUtf8(text);
        std::fprintf(stderr, "%s\n", utf8.c_str());
    }
};

ProgramArguments dropFirst(const ProgramArguments& args) {
    ProgramArguments rest;
    rest.utf8.assign(args.utf8.begin() + 1, args.utf8.end());
    rest.raw.assign(args.raw.begin() + 1, args.raw.end());
    return rest;
}

} // namespace

int usageError(const char* problem) {
    std::fprintf(stderr, "qpf: %s\n%s", problem, kUsage);
    return kExitUsage;
}

int main(int argc, char** argv) {
    StderrUtf8Notifier notifier;
    setMessageNotifier(&notifier);
    useBinaryStdout();

    ProgramArguments args = programArguments(argc, argv);
    if (args.utf8.empty()) return usageError("no command given");
    const std::string& command = args.utf8[0];
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    ProgramArguments rest = dropFirst(args);
    if (command == "dump") return runDump(rest);
    if (command == "new") return runNew(rest);
    if (command == "edit") return runEdit(rest);
    if (command == "convert") return runConvert(rest);
    return usageError(("unknown command: " + command).c_str());
}
