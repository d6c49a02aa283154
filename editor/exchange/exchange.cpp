// Which format, and the way from a file to a document and back.
#include "exchange.h"

#include "exchange_text.h"

#include "cp932_text.h"
#include "exchange_limits.h"
#include "exchange_messages.h"
#include "file_access.h"
#include "format_io.h"
#include "message_notifier.h"
#include "point_document.h"
#include "qpf_format.h"
#include "text_bytes.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace {

struct FormatName {
    const char* name;
    ExchangeFormat format;
};

const FormatName kNames[] = {{"qpf", ExchangeFormat::Qpf}, {"gpx", ExchangeFormat::Gpx},
                             {"kml", ExchangeFormat::Kml}, {"kmz", ExchangeFormat::Kmz},
                             {"csv", ExchangeFormat::Csv}, {"geojson", ExchangeFormat::GeoJson}};

void tell(const char* format, const char* name, int number = 0) {
    char message[1200];
    std::snprintf(message, sizeof message, format, name, number);
    showMessage(message);
}

using Reader = int (*)(const char*, size_t, const char*, PointCollector&);

Reader readerOf(ExchangeFormat format) {
    switch (format) {
    case ExchangeFormat::Gpx: return readGpx;
    case ExchangeFormat::Kml: return readKml;
    case ExchangeFormat::Kmz: return readKmz;
    case ExchangeFormat::Csv: return readCsv;
    case ExchangeFormat::GeoJson: return readGeoJson;
    case ExchangeFormat::Qpf: break;
    }
    return nullptr;
}

} // namespace

bool exchangeFormatFromName(const char* name, ExchangeFormat& format) {
    for (const FormatName& n : kNames) {
        if (std::strcmp(name, n.name) == 0) {
            format = n.format;
            return true;
        }
    }
    return false;
}

const char* exchangeFormatName(ExchangeFormat format) {
    for (const FormatName& n : kNames) {
        if (n.format == format) return n.name;
    }
    return "";
}

bool exchangeFormatFromPath(const char* path, ExchangeFormat& format) {
    const char* element = lastPathElement(path);
    const char* dot = std::strrchr(element, '.');
    if (dot == nullptr || std::strlen(dot) > 8) return false;
    std::string extension = asciiLower(dot + 1);
    if (extension == "json") {
        format = ExchangeFormat::GeoJson;
        return true;
    }
    return exchangeFormatFromName(extension.c_str(), format);
}

int readPoints(const char* bytes, size_t size, const char* name, ExchangeFormat format, PointDocument& document,
               const ExchangeOptions& options, ExchangeReport& report) {
    Reader reader = readerOf(format);
    if (reader == nullptr) return -1;
    if (size > kMaxExchangeBytes) {
        tell(MSG_EX_TOO_LARGE, name, static_cast<int>(kMaxExchangeBytes / (1024 * 1024)));
        return -1;
    }
    try {
        PointCollector points(options);
        if (reader(bytes, size, name, points) != 0) return -1;
        fillDocument(document, points, report);
        return 0;
    } catch (const std::bad_alloc&) {
        tell(MSG_EX_NO_MEMORY, name);
    } catch (const std::exception&) {
        // The libraries report by return values; this is only the edge that keeps anything
        // else from crossing out of the module.
        tell(MSG_EX_UNREADABLE, name);
    }
    return -1;
}

std::string writePoints(ExchangeFormat format, const PointDocument& document, const ExchangeOptions& options,
                        ExchangeReport& report) {
    bool xml = format == ExchangeFormat::Gpx || format == ExchangeFormat::Kml || format == ExchangeFormat::Kmz;
    std::vector<ExportPoint> points = exportPointsOf(document, options, xml ? ExportText::Xml : ExportText::Any, report);
    switch (format) {
    case ExchangeFormat::Gpx: return writeGpx(points);
    case ExchangeFormat::Kml: return writeKml(points);
    case ExchangeFormat::Kmz: return writeKmz(points);
    case ExchangeFormat::Csv: return writeCsv(points);
    case ExchangeFormat::GeoJson: return writeGeoJson(points);
    case ExchangeFormat::Qpf: break;
    }
    return std::string();
}

int importPoints(const char* path, ExchangeFormat format, PointDocument& document, const ExchangeOptions& options,
                 ExchangeReport& report) {
    return importPoints(path, format, document, options, report, platformFileSystem());
}

int importPoints(const char* path, ExchangeFormat format, PointDocument& document, const ExchangeOptions& options,
                 ExchangeReport& report, FileSystem& files) {
    if (format == ExchangeFormat::Qpf && hasQpfExtension(path)) return document.loadFile(path);
    FileContent content;
    FileError error = files.readAll(path, content, kMaxExchangeBytes);
    if (error == FileError::TooLarge) {
        tell(MSG_EX_TOO_LARGE, path, static_cast<int>(kMaxExchangeBytes / (1024 * 1024)));
        return -1;
    }
    if (error != FileError::None) {
        if (const char* message = fileErrorMessage(error)) showMessage(message);
        return -1;
    }
    if (format == ExchangeFormat::Qpf) {
        // A QPF file under another name, read as the core reads one.
        document.takeQpfBytes(content.bytes.get(), content.size);
        return 0;
    }
    return readPoints(content.bytes.get(), content.size, path, format, document, options, report);
}

int exportPoints(const char* path, ExchangeFormat format, const PointDocument& document,
                 const ExchangeOptions& options, ExchangeReport& report) {
    return exportPoints(path, format, document, options, report, platformFileSystem());
}

int exportPoints(const char* path, ExchangeFormat format, const PointDocument& document,
                 const ExchangeOptions& options, ExchangeReport& report, FileSystem& files) {
    if (format == ExchangeFormat::Qpf) return document.saveFile(path);
    std::string bytes;
    try {
        bytes = writePoints(format, document, options, report);
    } catch (const std::bad_alloc&) {
        bytes.clear();
    }
    if (bytes.empty()) {
        tell(MSG_EX_WRITE_FAILED, path);
        return -1;
    }
    // Everything is made before the file is touched, so a failure leaves no file behind.
    FileError error = FileError::None;
    std::unique_ptr<FileWriter> out = files.beginReplace(path, error);
    if (out) error = out->write(bytes.data(), bytes.size()) ? out->commit() : FileError::Other;
    if (error != FileError::None) {
        const char* message = fileErrorMessage(error);
        if (message) showMessage(message);
        return -1;
    }
    return 0;
}
