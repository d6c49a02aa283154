// Lines for the person who ran a command (/RegServer, /UnregServer): to the console when
// there is one, else to standard output as UTF-8 (as the Linux side of the tests reads it).
#pragma once

namespace mapview {

void ConsoleLine(const char* cp932);

} // namespace mapview
