// qpf convert: one file of points to another format, through the point record.
#include "cp932_text.h"
#include "datum.h"
#include "exchange.h"
#include "exchange_messages.h"
#include "message_notifier.h"
#include "point_document.h"
#include "qpf_commands.h"

#include <cstdio>
#include <string>

namespace {

void printReport(const ExchangeReport& report) {
    for (const std::string& line : report.lines) std::fprintf(stderr, "%s\n", cp932ToUtf8(line).c_str());
}

// The format named by an option, or else by the file's extension.
bool formatOf(const std::string& option, const std::string& path, ExchangeFormat& format) {
    if (!option.empty()) return exchangeFormatFromName(option.c_str(), format);
    return exchangeFormatFromPath(corePath(path).c_str(), format);
}

} // namespace

int runConvert(const ProgramArguments& args) {
    const std::vector<std::string>& words = args.utf8;
    std::string from, to, datumName;
    size_t i = 0;
    for (; i < words.size() && words[i].compare(0, 2, "--") == 0; i += 2) {
        const std::string& option = words[i];
        if (i + 1 >= words.size()) return usageError((option + " takes a value").c_str());
        const std::string& value = words[i + 1];
        if (option == "--from") from = value;
        else if (option == "--to") to = value;
        else if (option == "--datum") datumName = value;
        else return usageError(("unknown option: " + option).c_str());
    }
    if (words.size() - i != 2) return usageError("convert takes IN and OUT after its options");
    const std::string& in = words[i];
    const std::string& out = words[i + 1];
    ExchangeFormat inFormat, outFormat;
    if (!formatOf(from, in, inFormat)) return usageError(("unknown input format: " + (from.empty() ? in : from)).c_str());
    if (!formatOf(to, out, outFormat)) return usageError(("unknown output format: " + (to.empty() ? out : to)).c_str());
    Datum datum = Datum::Wgs84;
    if (!datumName.empty() && !parseDatumName(datumName.c_str(), datum)) {
        return usageError("--datum takes tokyo or wgs84");
    }
    // The shift stands between the QPF side and the other: QPF to QPF, or between two
    // WGS84 formats, there is none.
    bool qpfIn = inFormat == ExchangeFormat::Qpf, qpfOut = outFormat == ExchangeFormat::Qpf;
    ExchangeOptions options;
    options.recordDatum = (datum == Datum::Tokyo && qpfIn != qpfOut) ? Datum::Tokyo : Datum::Wgs84;

    std::string inPath = corePath(in), outPath = corePath(out);
    PointDocument document;
    ExchangeReport readReport;
    if (importPoints(inPath.c_str(), inFormat, document, options, readReport) != 0) return kExitFailed;
    printReport(readReport);
    if (document.count() == 0) {
        char message[1100];
        std::snprintf(message, sizeof message, MSG_EX_NO_POINTS, inPath.c_str());
        showMessage(message);
        return kExitFailed;
    }
    ExchangeReport writeReport;
    if (exportPoints(outPath.c_str(), outFormat, document, options, writeReport) != 0) return kExitFailed;
    printReport(writeReport);
    return kExitOk;
}
