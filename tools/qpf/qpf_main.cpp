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
    "convert reads IN and writes its points to OUT; options stand before IN. Every point\n"
    "       goes through the point record, so QPF's limits hold for every OUT (200 points,\n"
    "       names and readings of 20 bytes, cp932 text, north latitudes, east longitudes).\n"
    "         --from FMT, --to FMT   qpf gpx kml kmz csv geojson; without them, from the\n"
    "                                extension (.qpf .gpx .kml .kmz .csv .geojson .json)\n"
    "         --datum tokyo|wgs84    tokyo: the QPF side holds Tokyo-datum coordinates,\n"
    "                                shifted to or from WGS84 when the other side is not QPF\n"
    "                                (GPX, KML, GeoJSON are WGS84; CSV is taken as WGS84).\n"
    "                                Default wgs84: no shift.\n"
    "       Each change made to fit is one line on stderr: per point and field (a character\n"
    "       cp932 lacks becomes \"?\", a value is cut), and per kind with its count (points\n"
    "       left out: beyond 200, south or west, without coordinates; geometry ignored).\n"
    "       The record's fields travel by the names dump prints: GPX <extensions>, KML\n"
    "       ExtendedData, GeoJSON properties, CSV columns (written as UTF-8 with a BOM and\n"
    "       CRLF, latitude and longitude in decimal degrees). CSV is read as UTF-8 or cp932,\n"
    "       with a header row or in the order lon,lat,name[,comment].\n"
    "exit status: 0 done, 1 a file could not be read or written (convert: or held no usable\n"
    "point; then nothing is written) or a point could not be added, 2 wrong usage.\n";

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
