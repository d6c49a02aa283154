#include "call_record.h"

namespace mapview {

std::string EscapeRecordField(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

std::string UnescapeRecordField(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c;
    }
    return out;
}

std::string CallRecordLine(unsigned long pid, const char* family, const char* name,
                           const std::vector<std::string>& fields) {
    std::string line = std::to_string(pid);
    line += '\t';
    line += EscapeRecordField(family != nullptr ? family : "");
    line += '\t';
    line += EscapeRecordField(name != nullptr ? name : "");
    for (const std::string& field : fields) {
        line += '\t';
        line += EscapeRecordField(field);
    }
    return line;
}

std::vector<std::string> SplitRecordLine(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(
            UnescapeRecordField(line.substr(start, tab == std::string::npos ? tab : tab - start)));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return fields;
}

} // namespace mapview
