#include "cp932_utf8.h"

#include <cerrno>
#include <iconv.h>

namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of `text`; on a byte sequence it cannot convert, calls `onBad` (which
    // may append a replacement and returns false to give up) and skips one byte.
    template <typename OnBad> bool run(const std::string& text, std::string& out, OnBad onBad) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) return false;
        char* in = const_cast<char*>(text.data());
        size_t inLeft = text.size();
        char chunk[256];
        while (inLeft > 0) {
            char* dst = chunk;
            size_t dstLeft = sizeof chunk;
            size_t r = iconv(handle_, &in, &inLeft, &dst, &dstLeft);
            out.append(chunk, static_cast<size_t>(dst - chunk));
            if (r != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
            if (!onBad(out)) return false;
            ++in;
            --inLeft;
        }
        return true;
    }

  private:
    iconv_t handle_;
};

} // namespace

std::string cp932ToUtf8(const std::string& text) {
    Converter converter("UTF-8", "CP932");
    std::string out;
    bool converted = converter.run(text, out, [](std::string& o) {
        o += "\xEF\xBF\xBD";
        return true;
    });
    // Without a converter on this system the bytes stand as given, as undecodable ones do.
    return converted ? out : text;
}

bool utf8ToCp932(const std::string& text, std::string& out) {
    Converter converter("CP932", "UTF-8");
    out.clear();
    if (converter.run(text, out, [](std::string&) { return false; })) return true;
    out.clear();
    return false;
}
