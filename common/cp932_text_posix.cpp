#include "cp932_text.h"

#include <cerrno>
#include <iconv.h>

namespace {

// Bytes of the one character (or one ill-formed byte) at `at`: a lead byte with the
// continuation bytes that follow it, at most as many as the lead announces.
size_t utf8CharacterBytes(const char* at, size_t left) {
    unsigned char lead = static_cast<unsigned char>(at[0]);
    size_t want = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 1;
    size_t n = 1;
    while (n < want && n < left && (static_cast<unsigned char>(at[n]) & 0xC0) == 0x80) ++n;
    return n;
}

class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (usable()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool usable() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `text`; at a sequence it cannot convert, calls `onBad(out, at, left)`, which
    // may append a replacement and returns how many bytes to skip (0 gives up).
    template <typename OnBad> bool run(const std::string& text, std::string& out, OnBad onBad) {
        if (!usable()) return false;
        char* in = const_cast<char*>(text.data());
        size_t inLeft = text.size();
        char chunk[256];
        while (inLeft > 0) {
            char* dst = chunk;
            size_t dstLeft = sizeof chunk;
            size_t r = iconv(handle_, &in, &inLeft, &dst, &dstLeft);
            out.append(chunk, static_cast<size_t>(dst - chunk));
            if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
            iconv(handle_, nullptr, nullptr, nullptr, nullptr);
            size_t skip = onBad(out, in, inLeft);
            if (skip == 0) return false;
            in += skip;
            inLeft -= skip;
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
    bool converted = converter.run(text, out, [](std::string& o, const char*, size_t) -> size_t {
        o += "\xEF\xBF\xBD";
        return 1;
    });
    // Without a converter on this system the bytes stand as given, as undecodable ones do.
    return converted ? out : text;
}

bool utf8ToCp932(const std::string& text, std::string& out, Cp932Fit fit, size_t* replaced) {
    Converter converter("CP932", "UTF-8");
    out.clear();
    size_t count = 0;
    bool ok = converter.run(text, out, [&](std::string& o, const char* at, size_t left) -> size_t {
        if (fit == Cp932Fit::Exact) return 0;
        o += '?';
        ++count;
        return utf8CharacterBytes(at, left);
    });
    if (replaced != nullptr) *replaced = count;
    if (!ok) out.clear();
    return ok;
}
