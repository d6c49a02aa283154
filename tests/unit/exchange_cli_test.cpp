// qpf convert as a program: its exit status, what it says on stderr, and that a failed
// conversion leaves nothing behind.
#include "exchange_test_support.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <filesystem>

namespace {

class QpfConvert : public ScratchFolder {
  protected:
    // Runs `qpf convert ARGS` in the scratch folder; returns the exit status.
    int convert(const std::string& args) {
        std::string command = "cd '" + dir_.string() + "' && '" QPF_PROGRAM "' convert " + args + " 2>err.txt";
        int status = std::system(command.c_str());
        err = readBytes(path("err.txt"));
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(dir_ / name); }
    std::string err;
};

} // namespace

TEST_F(QpfConvert, UsageErrorsExitTwoWithTheUsage) {
    writeBytes(path("a.qpf"), readBytes(std::string(std::getenv("TENMARK_SOURCE_DIR")) + "/examples/sample.qpf"));
    for (const char* args : {"", "a.qpf", "a.qpf b.gpx c.kml", "a.qpf b.xyz", "a.qpf --to gpx b.dat",
                             "--to nope a.qpf b.gpx", "--datum mars a.qpf b.gpx", "--from", "--mode x a.qpf b.gpx"}) {
        EXPECT_EQ(convert(args), 2) << args;
        EXPECT_NE(err.find("usage: qpf"), std::string::npos) << args;
        EXPECT_FALSE(exists("b.gpx") || exists("b.dat") || exists("c.kml")) << args;
    }
}

TEST_F(QpfConvert, WhatCannotBeReadExitsOneAndTouchesNothing) {
    writeBytes(path("lines.geojson"),
               "{\"type\":\"Feature\",\"properties\":{},\"geometry\":{\"type\":\"LineString\",\"coordinates\":[]}}");
    writeBytes(path("old.qpf"), "old");
    EXPECT_EQ(convert("missing.gpx out.qpf"), 1);
    EXPECT_NE(err.find(u8"ファイルが見つかりませんでした。"), std::string::npos) << err;
    EXPECT_FALSE(exists("out.qpf"));
    EXPECT_EQ(convert("lines.geojson old.qpf"), 1);
    EXPECT_NE(err.find(u8"読める地点がありません"), std::string::npos) << err;
    EXPECT_NE(err.find(u8"点でない図形 LineString 1 個"), std::string::npos) << err;
    EXPECT_EQ(readBytes(path("old.qpf")), "old");
    EXPECT_EQ(convert("lines.geojson no/such/folder.gpx"), 1);
}

TEST_F(QpfConvert, RoundTripThroughAnyNameAndTheTokyoDatum) {
    std::string sample = std::string(std::getenv("TENMARK_SOURCE_DIR")) + "/examples/sample.qpf";
    ASSERT_EQ(convert("'" + sample + "' a.qpf"), 0) << err;
    ASSERT_EQ(convert("--datum tokyo --to kmz a.qpf x.dat"), 0) << err;
    ASSERT_EQ(convert("--datum tokyo --from kmz x.dat b.qpf"), 0) << err;
    EXPECT_TRUE(err.empty()) << err;
    EXPECT_EQ(readBytes(path("b.qpf")), readBytes(path("a.qpf")));
    // Without the datum the same file lands some 400 m away.
    ASSERT_EQ(convert("--from kmz x.dat c.QPF"), 0) << err;
    EXPECT_NE(readBytes(path("c.QPF")), readBytes(path("a.qpf")));
}

TEST_F(QpfConvert, EveryChangeMadeToFitIsOneLineOnStderr) {
    writeBytes(path("in.kml"), u8"<kml><Placemark><name>とても長い地点の名前です</name><ExtendedData>"
                               u8"<Data name=\"phone\"><value>☎03</value></Data></ExtendedData>"
                               u8"<Point><coordinates>139.5,35.5</coordinates></Point></Placemark>"
                               u8"<Placemark><LineString/></Placemark></kml>");
    ASSERT_EQ(convert("in.kml out.csv"), 0);
    EXPECT_EQ(err, u8"地点 1 の name: 20 バイトで切りました\n"
                   u8"地点 1 の phone: cp932 にない文字 1 個を \"?\" にしました\n"
                   u8"点でない図形 LineString 1 個は読みませんでした\n");
    EXPECT_NE(readBytes(path("out.csv")).find(u8"とても長い地点の名前,139.5000000,35.5000000"), std::string::npos);
}
