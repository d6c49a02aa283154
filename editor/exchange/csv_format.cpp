// CSV as spreadsheets and POI loaders write it: the delimiter sniffed (comma, TAB,
// semicolon), RFC 4180 quoting, UTF-8 (with or without a BOM), UTF-16 with a BOM, or else
// cp932. A header row names the columns; without one, the POI-loader order lon,lat,name[,comment].
// Written as UTF-8 with a BOM and CRLF, which spreadsheets in Japan open correctly.
#include "exchange_limits.h"
#include "exchange_messages.h"
#include "exchange_text.h"
#include "format_io.h"
#include "message_notifier.h"

#include <cstdio>
#include <cstring>

namespace {

bool validUtf8(const char* bytes, size_t size) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < size;) {
        unsigned char c = p[i];
        size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > size) return false;
        unsigned cp = n == 1 ? c : c & (0x7F >> n);
        for (size_t k = 1; k < n; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are no UTF-8.
        static const unsigned kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kLeast[n] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return false;
        i += n;
    }
    return true;
}

void appendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// UTF-16 (a spreadsheet's "Unicode text") as UTF-8; a lone surrogate becomes U+FFFD.
std::string utf16AsUtf8(const char* bytes, size_t size, bool bigEndian) {
    std::string out;
    auto unit = [&](size_t i) {
        unsigned a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (size_t i = 0; i + 1 < size; i += 2) {
        unsigned u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < size) {
            unsigned v = unit(i + 2);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? 0xFFFD : u);
    }
    return out;
}

// The file's text as UTF-8: a BOM says which Unicode form; valid UTF-8 is UTF-8; the rest is
// cp932, as spreadsheets in Japan write it.
std::string textOfFile(const char* bytes, size_t size) {
    if (size >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) return std::string(bytes + 3, size - 3);
    if (size >= 2 && std::memcmp(bytes, "\xFF\xFE", 2) == 0) return utf16AsUtf8(bytes + 2, size - 2, false);
    if (size >= 2 && std::memcmp(bytes, "\xFE\xFF", 2) == 0) return utf16AsUtf8(bytes + 2, size - 2, true);
    if (validUtf8(bytes, size)) return std::string(bytes, size);
    return cp932FileAsUtf8(bytes, size);
}

// The delimiter that the first line, outside quotes, uses most (comma when none or a tie).
char sniffDelimiter(const std::string& text) {
    size_t comma = 0, tab = 0, semicolon = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n' || c == '\r') break;
        comma += c == ',';
        tab += c == '\t';
        semicolon += c == ';';
    }
    if (tab > comma && tab >= semicolon) return '\t';
    if (semicolon > comma && semicolon > tab) return ';';
    return ',';
}

// Rows of RFC 4180 fields, one at a time.
class CsvRows {
  public:
    CsvRows(const std::string& text, char delimiter) : text_(text), delimiter_(delimiter) {}

    enum class Result { Row, End, FieldTooLong, Unclosed };

    Result next(std::vector<std::string>& fields) {
        fields.clear();
        if (pos_ >= text_.size()) return Result::End;
        ++line_;
        rowLine_ = line_;
        std::string field;
        bool quoted = false, wasQuoted = false;
        for (;;) {
            if (pos_ >= text_.size()) {
                if (quoted) return Result::Unclosed;
                keep(fields, field);
                return Result::Row;
            }
            char c = text_[pos_++];
            if (quoted) {
                if (c == '"') {
                    if (pos_ < text_.size() && text_[pos_] == '"') {
                        field += '"';
                        ++pos_;
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == '\n') ++line_;
                    field += c;
                }
            } else if (c == '"' && !wasQuoted && field.empty()) {
                quoted = wasQuoted = true;
            } else if (c == delimiter_) {
                keep(fields, field);
                field.clear();
                wasQuoted = false;
            } else if (c == '\r' || c == '\n') {
                if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
                keep(fields, field);
                return Result::Row;
            } else {
                field += c;
            }
            if (field.size() > kMaxCsvField) return Result::FieldTooLong;
        }
    }

    int rowLine() const { return rowLine_; }

  private:
    static void keep(std::vector<std::string>& fields, const std::string& field) {
        if (fields.size() < kMaxCsvColumns) fields.push_back(field);
    }

    const std::string& text_;
    char delimiter_;
    size_t pos_ = 0;
    int line_ = 0, rowLine_ = 0;
};

bool blankRow(const std::vector<std::string>& fields) {
    for (const std::string& f : fields) {
        if (f.find_first_not_of(" \t") != std::string::npos) return false;
    }
    return true;
}

// Column -> field for a header row; none when the row names no field at all.
bool readHeader(const std::vector<std::string>& row, std::vector<int>& columns, std::vector<bool>& ours) {
    bool named = false;
    columns.assign(row.size(), -1);
    ours.assign(row.size(), false);
    for (size_t k = 0; k < row.size(); ++k) {
        bool o = false;
        columns[k] = fieldOfName(row[k], &o);
        ours[k] = o;
        named = named || columns[k] >= 0;
    }
    return named;
}

// A first row that starts with two coordinates is data even when a later cell happens to
// read like a column name.
bool startsWithCoordinates(const std::vector<std::string>& row) {
    if (row.size() < 2) return false;
    for (int k = 0; k < 2; ++k) {
        CoordStatus s = readCoordInput(row[k].c_str(), CoordAxis::Longitude).status;
        if (s != CoordStatus::Ok && s != CoordStatus::SouthOrWest) return false;
    }
    return true;
}

std::string trimmedCell(const std::string& s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return std::string();
    size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

void fail(const char* format, const char* name, int line, int limit) {
    char message[1200];
    std::snprintf(message, sizeof message, format, name, line, limit);
    showMessage(message);
}

} // namespace

int readCsv(const char* bytes, size_t size, const char* name, PointCollector& points) {
    std::string text = textOfFile(bytes, size);
    CsvRows rows(text, sniffDelimiter(text));
    std::vector<std::string> row;
    std::vector<int> columns;
    std::vector<bool> ours;
    bool first = true, header = false;
    for (;;) {
        CsvRows::Result result = rows.next(row);
        if (result == CsvRows::Result::End) return 0;
        if (result == CsvRows::Result::FieldTooLong) {
            fail(MSG_EX_CSV_FIELD_TOO_LONG, name, rows.rowLine(), static_cast<int>(kMaxCsvField / 1024));
            return -1;
        }
        if (result == CsvRows::Result::Unclosed) {
            fail(MSG_EX_CSV_UNCLOSED, name, rows.rowLine(), 0);
            return -1;
        }
        if (blankRow(row)) continue;
        if (first) {
            first = false;
            header = readHeader(row, columns, ours) && !startsWithCoordinates(row);
            if (header) continue;
        }
        ForeignPoint p;
        if (header) {
            // Our own column names win over aliases; among equals the first column.
            int latRank = 0, lonRank = 0;
            for (size_t k = 0; k < row.size() && k < columns.size(); ++k) {
                int rank = ours[k] ? 2 : 1;
                if (columns[k] == kFieldLatitude && rank > latRank) {
                    p.latitude = trimmedCell(row[k]);
                    latRank = rank;
                } else if (columns[k] == kFieldLongitude && rank > lonRank) {
                    p.longitude = trimmedCell(row[k]);
                    lonRank = rank;
                } else if (columns[k] >= 0) {
                    p.set(columns[k], row[k], ours[k]);
                }
            }
        } else {
            if (row.size() > 0) p.longitude = trimmedCell(row[0]);
            if (row.size() > 1) p.latitude = trimmedCell(row[1]);
            if (row.size() > 2) p.set(kFieldName, row[2], false);
        }
        p.hasPosition = !p.latitude.empty() && !p.longitude.empty();
        points.add(p);
    }
}

namespace {

void putCell(std::string& out, const std::string& value) {
    bool quote = value.find_first_of(",\"\r\n;\t") != std::string::npos ||
                 (!value.empty() && (value.front() == ' ' || value.back() == ' '));
    if (!quote) {
        out += value;
        return;
    }
    out += '"';
    for (char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

std::string writeCsv(const std::vector<ExportPoint>& points) {
    std::string out = "\xEF\xBB\xBF";
    for (int field = 0; field < kRecordFieldCount; ++field) {
        if (field > 0) out += ',';
        out += kRecordFields[field].name;
    }
    out += "\r\n";
    for (const ExportPoint& p : points) {
        for (int field = 0; field < kRecordFieldCount; ++field) {
            if (field > 0) out += ',';
            if (field == kFieldLatitude) out += p.latitude;
            else if (field == kFieldLongitude) out += p.longitude;
            else putCell(out, p.values[field]);
        }
        out += "\r\n";
    }
    return out;
}
