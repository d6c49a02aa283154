// Lines of the call record: one line per call, TAB-separated fields, UTF-8.
// Fields are escaped so a label with a TAB or a line break still makes one line.
#pragma once

#include <string>
#include <vector>

namespace mapview {

// Backslash, TAB, CR and LF become \\, \t, \r and \n.
std::string EscapeRecordField(const std::string& text);

// Undoes EscapeRecordField (for readers of the record).
std::string UnescapeRecordField(const std::string& text);

// "<pid>\t<family>\t<name>\t<field>..." with every field escaped, without the line end.
std::string CallRecordLine(unsigned long pid, const char* family, const char* name,
                           const std::vector<std::string>& fields);

// Splits a record line into its unescaped fields.
std::vector<std::string> SplitRecordLine(const std::string& line);

} // namespace mapview
