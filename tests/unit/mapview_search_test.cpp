// The address search: answers of every shape, and the request URL.
#include <gtest/gtest.h>

#include "address_answer.h"

namespace mapview {
namespace {

TEST(AddressAnswer, ReadsPlacesInOrder) {
    const std::string body =
        u8R"([{"geometry":{"coordinates":[139.745433,35.658581],"type":"Point"},"type":"Feature",)"
        u8R"("properties":{"addressCode":"","title":"東京都港区芝公園四丁目"}},)"
        u8R"({"geometry":{"coordinates":[135.5,34.7]},"properties":{}}])";
    std::vector<FoundPlace> places;
    ASSERT_EQ(AnswerKind::Found, ParseAddressAnswer(body, &places));
    ASSERT_EQ(2u, places.size());
    EXPECT_EQ(u8"東京都港区芝公園四丁目", places[0].title);
    EXPECT_DOUBLE_EQ(35.658581, places[0].lat);
    EXPECT_DOUBLE_EQ(139.745433, places[0].lon);
    EXPECT_EQ("", places[1].title);
}

TEST(AddressAnswer, EmptyMalformedAndUnusableAnswers) {
    struct Case {
        const char* body;
        AnswerKind kind;
        size_t places;
    } cases[] = {
        {"[]", AnswerKind::Empty, 0},
        {" [ ] ", AnswerKind::Empty, 0},
        {"", AnswerKind::Malformed, 0},
        {"{}", AnswerKind::Malformed, 0},
        {"[{\"geometry\":", AnswerKind::Malformed, 0},
        {"<html>503</html>", AnswerKind::Malformed, 0},
        {"[1,\"x\",null]", AnswerKind::Malformed, 0},
        {"[{\"geometry\":{\"type\":\"LineString\",\"coordinates\":[1,2]}}]", AnswerKind::Malformed, 0},
        {"[{\"geometry\":{\"coordinates\":[\"139\",\"35\"]}}]", AnswerKind::Malformed, 0},
        {"[{\"geometry\":{\"coordinates\":[200,35]}}]", AnswerKind::Malformed, 0},
        {"[{\"geometry\":{\"coordinates\":[139]}}]", AnswerKind::Malformed, 0},
        {"[{\"geometry\":{\"coordinates\":[139,35]},\"properties\":{\"title\":7}},"
         "{\"geometry\":{\"coordinates\":[139,95]}}]",
         AnswerKind::Found, 1},
    };
    for (const Case& c : cases) {
        std::vector<FoundPlace> places{FoundPlace()};
        EXPECT_EQ(c.kind, ParseAddressAnswer(c.body, &places)) << c.body;
        EXPECT_EQ(c.places, places.size()) << c.body;
    }
}

TEST(AddressAnswer, HugeAndDeepAnswersAreRefusedOrCut) {
    std::vector<FoundPlace> places;
    EXPECT_EQ(AnswerKind::Malformed, ParseAddressAnswer(std::string(kMaxAnswerBytes + 1, ' '), &places));
    EXPECT_EQ(AnswerKind::Malformed,
              ParseAddressAnswer(std::string(100000, '[') + std::string(100000, ']'), &places));
    std::string many = "[";
    for (int i = 0; i < 500; ++i)
        many += std::string(i ? "," : "") +
                "{\"geometry\":{\"coordinates\":[139,35]},\"properties\":{\"title\":\"" +
                std::string(1000, 'a') + "\"}}";
    many += "]";
    ASSERT_EQ(AnswerKind::Found, ParseAddressAnswer(many, &places));
    EXPECT_EQ(kMaxPlaces, places.size());
    EXPECT_EQ(kMaxTitleBytes, places[0].title.size());
}

TEST(SearchUrl, QueryIsPercentEncodedUtf8) {
    std::string url;
    ASSERT_EQ(0, BuildSearchUrl("https://msearch.gsi.go.jp/address-search/AddressSearch?q={q}",
                                u8"東京 タワー&x=1", &url));
    EXPECT_EQ("https://msearch.gsi.go.jp/address-search/AddressSearch?q="
              "%E6%9D%B1%E4%BA%AC%20%E3%82%BF%E3%83%AF%E3%83%BC%26x%3D1",
              url);
    ASSERT_EQ(0, BuildSearchUrl("http://127.0.0.1:5000/s/{q}/", "a-b_c.d~", &url));
    EXPECT_EQ("http://127.0.0.1:5000/s/a-b_c.d~/", url);
    EXPECT_EQ(-1, BuildSearchUrl("http://127.0.0.1/search", "x", &url));
    EXPECT_EQ(-1, BuildSearchUrl("file:///c:/{q}", "x", &url));
}

} // namespace
} // namespace mapview
