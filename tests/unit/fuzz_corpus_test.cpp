// Replays the kept fuzz corpus through the reader: every input must load without harm and
// leave a document that writes and reads back to the same records.
#include "point_document.h"
#include "points_test_support.h"

#include <cstdlib>
#include <filesystem>

namespace {

std::filesystem::path corpusFolder() {
    const char* source = std::getenv("TENMARK_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".") / "fuzz" / "corpus" / "qpf_reader";
}

class FuzzCorpus : public ScratchFolder {};

} // namespace

TEST_F(FuzzCorpus, EveryKeptInputLoadsAndRoundTrips) {
    ASSERT_TRUE(std::filesystem::is_directory(corpusFolder())) << corpusFolder();
    MessageRecorder quiet;
    size_t inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpusFolder())) {
        ++inputs;
        writeBytes(path("in.qpf"), readBytes(entry.path().string()));
        PointDocument doc;
        ASSERT_EQ(doc.loadFile(path("in.qpf").c_str()), 0) << entry.path();
        ASSERT_LE(doc.count(), 200);
        ASSERT_EQ(doc.saveFile(path("out.qpf").c_str()), 0);
        PointDocument back;
        ASSERT_EQ(back.loadFile(path("out.qpf").c_str()), 0);
        ASSERT_EQ(back.count(), doc.count()) << entry.path();
        for (int i = 0; i < doc.count(); ++i) {
            EXPECT_STREQ(back.getMarkNumber(i), doc.getMarkNumber(i)) << entry.path() << " #" << i;
            EXPECT_STREQ(back.getPhone(i), doc.getPhone(i)) << entry.path() << " #" << i;
        }
    }
    EXPECT_GT(inputs, 0u);
}
