#include "qpf_commands.h"

#include "cp932_text.h"
#include "message_notifier.h"
#include "point_document.h"
#include "point_messages.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// Paths reach the core as cp932, like every text of the editor.
std::string corePath(const std::string& utf8) {
    std::string cp932;
    return utf8ToCp932(utf8, cp932) ? cp932 : utf8;
}

namespace {

bool parseInt(const std::string& text, int& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || v < -2147483647L - 1 || v > 2147483647L) return false;
    value = static_cast<int>(v);
    return true;
}

// A field as dump prints it: UTF-8, or the stored bytes with --raw.
void printField(const char* text, bool raw, bool last) {
    if (raw) {
        std::fputs(text, stdout);
    } else {
        std::fputs(cp932ToUtf8(text).c_str(), stdout);
    }
    std::fputc(last ? '\n' : '\t', stdout);
}

struct ParsedOptions {
    bool raw = false;
    bool haveFile = false;
    std::string file, out;
    size_t firstOp = 0;
};

// Reads [--raw] FILE [-o OUT] from the front of `words`; the rest are operations.
bool parseOptions(const std::vector<std::string>& words, bool allowOut, ParsedOptions& o) {
    size_t i = 0;
    for (; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w == "--raw") {
            o.raw = true;
        } else if (allowOut && w == "-o" && i + 1 < words.size()) {
            o.out = words[++i];
        } else if (!o.haveFile) {
            o.file = w;
            o.haveFile = true;
        } else {
            break;
        }
    }
    o.firstOp = i;
    return o.haveFile;
}

// Applies one field setting through the document's setters.
int setField(PointDocument& doc, int index, const std::string& field, const std::string& value) {
    const char* v = value.c_str();
    if (field == "markNumber") doc.setMarkNumber(index, v);
    else if (field == "name") doc.setName(index, v);
    else if (field == "longitude") doc.setLongitude(index, v);
    else if (field == "latitude") doc.setLatitude(index, v);
    else if (field == "voiceWord") doc.setVoiceWord(index, v);
    else if (field == "soundCode") doc.setSoundCode(index, v);
    else if (field == "directionCode") doc.setDirectionCode(index, v);
    else if (field == "phone") doc.setPhone(index, v);
    else if (field == "directionEnabled") {
        int enabled = 0;
        if (!parseInt(value, enabled)) return usageError("directionEnabled takes an integer");
        doc.setDirectionEnabled(index, enabled);
    } else {
        return usageError(("unknown field: " + field).c_str());
    }
    return kExitOk;
}

class EditRun {
  public:
    EditRun(PointDocument& doc, const ProgramArguments& args, const ParsedOptions& o)
        : doc_(doc), args_(args), raw_(o.raw), i_(o.firstOp) {}

    // Applies every operation; kExitOk when all went through.
    int applyAll() {
        if (i_ >= args_.utf8.size()) return usageError("no operation given");
        while (i_ < args_.utf8.size()) {
            int status = applyNext();
            if (status != kExitOk) return status;
        }
        return kExitOk;
    }

  private:
    bool take(std::string& word) {
        if (i_ >= args_.utf8.size()) return false;
        word = args_.utf8[i_++];
        return true;
    }
    bool takeIndex(int& index) {
        std::string word;
        return take(word) && parseInt(word, index);
    }

    int applyNext() {
        std::string op;
        take(op);
        int a = 0, b = 0;
        if (op == "clear") {
            doc_.clearAll();
            return kExitOk;
        }
        if (op == "insert") {
            if (!takeIndex(a) || a < 0) return usageError("insert takes a position");
            if (a >= kMaxPoints || doc_.count() >= kMaxPoints) {
                showTooManyPoints();
                return kExitFailed;
            }
            if (a > doc_.count()) return usageError("insert position is past the last point");
            doc_.insertBlank(a);
            return kExitOk;
        }
        if (op == "remove") {
            if (!takeIndex(a) || a < 0) return usageError("remove takes a position");
            doc_.removeAt(a);
            return kExitOk;
        }
        if (op == "move") {
            if (!takeIndex(a) || !takeIndex(b)) return usageError("move takes TO and FROM");
            if (a < 0 || a > doc_.count() || !doc_.isUsed(b)) return usageError("move position out of range");
            doc_.moveRecord(a, b);
            return kExitOk;
        }
        if (op == "set") return applySet();
        return usageError(("unknown operation: " + op).c_str());
    }

    int applySet() {
        int index = 0;
        std::string field, value;
        if (!takeIndex(index) || !take(field) || !take(value)) return usageError("set takes I FIELD VALUE");
        if (!doc_.isUsed(index)) return usageError("set: no point at that position");
        std::string text = args_.raw[i_ - 1];
        if (!raw_ && !utf8ToCp932(value, text)) return usageError("the value has characters cp932 cannot hold");
        return setField(doc_, index, field, text);
    }

    PointDocument& doc_;
    const ProgramArguments& args_;
    bool raw_;
    size_t i_;
};

} // namespace

int runDump(const ProgramArguments& args) {
    ParsedOptions o;
    if (!parseOptions(args.utf8, false, o) || o.firstOp != args.utf8.size()) return usageError("dump takes one FILE");
    PointDocument doc;
    if (doc.loadFile(corePath(o.file).c_str()) != 0) return kExitFailed;
    std::fputs("markNumber\tname\tlongitude\tlatitude\tvoiceWord\tsoundCode\tspare11\tdirectionEnabled\t"
               "directionCode\tspare16\tspare17\tspare18\tphone\tdate\ttime\tspare19\tspare20\tspare23\n",
               stdout);
    for (int i = 0; i < doc.count(); ++i) {
        const PointRecord& r = *doc.recordAt(i);
        char enabled[16];
        std::snprintf(enabled, sizeof enabled, "%d", static_cast<int>(r.directionEnabled));
        const char* fields[] = {r.markNumber, r.name,    r.longitude, r.latitude, r.voiceWord, r.soundCode,
                                r.spare11,    enabled,   r.directionCode, r.spare16, r.spare17, r.spare18,
                                r.phone,      r.date,    r.time,      r.spare19,  r.spare20,  r.spare23};
        size_t n = sizeof fields / sizeof fields[0];
        for (size_t f = 0; f < n; ++f) printField(fields[f], o.raw, f + 1 == n);
    }
    return std::fflush(stdout) == 0 ? kExitOk : kExitFailed;
}

int runNew(const ProgramArguments& args) {
    if (args.utf8.size() != 1) return usageError("new takes one OUT");
    PointDocument doc;
    return doc.saveFile(corePath(args.utf8[0]).c_str()) == 0 ? kExitOk : kExitFailed;
}

int runEdit(const ProgramArguments& args) {
    ParsedOptions o;
    if (!parseOptions(args.utf8, true, o)) return usageError("edit takes FILE and operations");
    PointDocument doc;
    if (doc.loadFile(corePath(o.file).c_str()) != 0) return kExitFailed;
    int status = EditRun(doc, args, o).applyAll();
    if (status != kExitOk) return status;
    std::string out = o.out.empty() ? o.file : o.out;
    return doc.saveFile(corePath(out).c_str()) == 0 ? kExitOk : kExitFailed;
}
