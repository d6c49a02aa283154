// KMZ: a zip holding the KML (doc.kml at the root, else the first .kml entry) and perhaps
// images. What it inflates to is bounded, whatever its headers claim.
#include "exchange_limits.h"
#include "exchange_text.h"
#include "exchange_messages.h"
#include "format_io.h"
#include "message_notifier.h"
#include "xml_support.h"

#include <miniz.h>

#include <cstdio>
#include <cstring>

int readKmlDocument(const pugi::xml_document& document, const char* name, PointCollector& points);

namespace {

void tell(const char* format, const char* name) {
    char message[1200];
    std::snprintf(message, sizeof message, format, name, static_cast<int>(kMaxExchangeBytes / (1024 * 1024)));
    showMessage(message);
}

bool endsWithKml(const char* name) {
    size_t n = std::strlen(name);
    return n >= 4 && asciiLower(name + n - 4) == ".kml";
}

struct Inflated {
    std::string bytes;
    bool tooLarge = false;
};

size_t takeInflated(void* opaque, mz_uint64, const void* data, size_t n) {
    Inflated& out = *static_cast<Inflated*>(opaque);
    if (out.bytes.size() + n > kMaxExchangeBytes) {
        out.tooLarge = true;
        return 0; // stops the extraction
    }
    out.bytes.append(static_cast<const char*>(data), n);
    return n;
}

// The entry holding the KML, or -1.
int kmlEntry(mz_zip_archive& zip) {
    int first = -1;
    mz_uint n = mz_zip_reader_get_num_files(&zip);
    for (mz_uint i = 0; i < n; ++i) {
        mz_zip_archive_file_stat st;
        if (!mz_zip_reader_file_stat(&zip, i, &st) || st.m_is_directory || !endsWithKml(st.m_filename)) continue;
        if (std::strcmp(st.m_filename, "doc.kml") == 0) return static_cast<int>(i);
        if (first < 0) first = static_cast<int>(i);
    }
    return first;
}

} // namespace

int readKmz(const char* bytes, size_t size, const char* name, PointCollector& points) {
    mz_zip_archive zip;
    std::memset(&zip, 0, sizeof zip);
    if (!mz_zip_reader_init_mem(&zip, bytes, size, 0)) {
        tell(MSG_EX_BAD_ZIP, name);
        return -1;
    }
    int entry = kmlEntry(zip);
    if (entry < 0) {
        mz_zip_reader_end(&zip);
        tell(MSG_EX_NO_KML_IN_KMZ, name);
        return -1;
    }
    mz_zip_archive_file_stat st;
    Inflated kml;
    bool ok = mz_zip_reader_file_stat(&zip, static_cast<mz_uint>(entry), &st);
    if (ok && st.m_uncomp_size > kMaxExchangeBytes) {
        kml.tooLarge = true;
        ok = false;
    }
    if (ok) ok = mz_zip_reader_extract_to_callback(&zip, static_cast<mz_uint>(entry), takeInflated, &kml, 0);
    mz_zip_reader_end(&zip);
    if (kml.tooLarge) {
        tell(MSG_EX_KMZ_TOO_LARGE, name);
        return -1;
    }
    if (!ok) {
        tell(MSG_EX_BAD_ZIP, name);
        return -1;
    }
    pugi::xml_document document;
    if (!parseXml(kml.bytes.data(), kml.bytes.size(), name, document)) return -1;
    return readKmlDocument(document, name, points);
}

std::string writeKmz(const std::vector<ExportPoint>& points) {
    std::string kml = writeKml(points);
    mz_zip_archive zip;
    std::memset(&zip, 0, sizeof zip);
    void* archive = nullptr;
    size_t archiveSize = 0;
    bool ok = mz_zip_writer_init_heap(&zip, 0, 0) &&
              mz_zip_writer_add_mem(&zip, "doc.kml", kml.data(), kml.size(), MZ_DEFAULT_COMPRESSION) &&
              mz_zip_writer_finalize_heap_archive(&zip, &archive, &archiveSize);
    std::string out = ok ? std::string(static_cast<const char*>(archive), archiveSize) : std::string();
    mz_free(archive);
    mz_zip_writer_end(&zip);
    return out;
}
