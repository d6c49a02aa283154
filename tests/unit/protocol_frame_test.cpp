// Messages, character codes and text frames of the map link.
#include "maplink_frame.h"
#include "maplink_protocol.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

// Stands in for the system's message registration: equal names give equal numbers.
struct FakeRegistry {
    std::map<std::string, uint32_t> numbers;
    uint32_t next = 0xC000;
    std::string failing;
};

uint32_t RegisterFake(const char* name, void* context) {
    auto* registry = static_cast<FakeRegistry*>(context);
    if (registry->failing == name) return 0;
    auto found = registry->numbers.find(name);
    if (found != registry->numbers.end()) return found->second;
    registry->numbers[name] = registry->next;
    return registry->next++;
}

MapLinkMessages Registered(FakeRegistry* registry) {
    MapLinkMessages messages;
    EXPECT_EQ(0, registerMapLinkMessages(&messages, RegisterFake, registry));
    return messages;
}

using Steps = std::vector<std::pair<uint32_t, intptr_t>>;

int Record(uint32_t wParam, intptr_t lParam, void* context) {
    static_cast<Steps*>(context)->emplace_back(wParam, lParam);
    return 0;
}

Steps Frame(const MapLinkMessages& messages, const char* text, SubCode terminator) {
    Steps steps;
    EXPECT_EQ(0, sendTextFrame(messages, text, terminator, Record, &steps));
    return steps;
}

// Feeds the steps to a receiver; returns the text it holds when the terminator arrives.
std::string Receive(const MapLinkMessages& messages, const Steps& steps, FrameText* text) {
    std::string result = "<no terminator>";
    for (const auto& step : steps) {
        int sub = receiveFrameStep(text, messages, step.first, step.second);
        if (sub != SUB_TEXT_START && sub != SUB_TEXT_CHAR) result.assign(text->bytes, text->length);
    }
    return result;
}

TEST(ProtocolMessages, TwelveNamesRegisteredAndEqualAcrossProcesses) {
    FakeRegistry registry;
    MapLinkMessages editor = Registered(&registry);
    MapLinkMessages bridge = Registered(&registry);
    EXPECT_EQ(12u, registry.numbers.size());
    EXPECT_EQ(1u, registry.numbers.count("WM_CARTOLINK"));
    EXPECT_EQ(1u, registry.numbers.count("SUB_ADD_TEXT_EX"));
    EXPECT_EQ(1u, registry.numbers.count("SUB_LAYER_NAME"));
    EXPECT_EQ(editor.WM_CARTOLINK, bridge.WM_CARTOLINK);
    for (int i = 0; i < SUB_CODE_COUNT; ++i) {
        EXPECT_EQ(editor.sub[i], bridge.sub[i]);
        EXPECT_EQ(i, findSubCode(bridge, editor.sub[i]));
    }
    EXPECT_EQ(-1, findSubCode(bridge, editor.WM_CARTOLINK));
    EXPECT_EQ(0x800u, UMSG_MAP_EVENT);
    EXPECT_EQ(0x801u, UMSG_MAP_REPLY);
}

TEST(ProtocolMessages, FailedRegistrationIsReportedAndNeverMatchesZero) {
    FakeRegistry registry;
    registry.failing = "SUB_TEXT_END";
    MapLinkMessages messages;
    EXPECT_EQ(-1, registerMapLinkMessages(&messages, RegisterFake, &registry));
    EXPECT_EQ(0u, messages.sub[SUB_TEXT_END]);
    EXPECT_NE(0u, messages.sub[SUB_TEXT_START]);
    EXPECT_EQ(-1, findSubCode(messages, 0));
}

TEST(ProtocolCharCodes, SingleDoubleAndKatakanaBytes) {
    FakeRegistry registry;
    MapLinkMessages m = Registered(&registry);
    // "4", hiragana 0x82 0xA0, half-width katakana 0xB1 (a single byte), "," and "/".
    Steps steps = Frame(m, "4\x82\xA0\xB1,/", SUB_ADD_TEXT_EX);
    Steps expected = {{m.sub[SUB_TEXT_START], 0},     {m.sub[SUB_TEXT_CHAR], 0x34},
                      {m.sub[SUB_TEXT_CHAR], -32096}, {m.sub[SUB_TEXT_CHAR], 0xB1},
                      {m.sub[SUB_TEXT_CHAR], ','},    {m.sub[SUB_TEXT_CHAR], '/'},
                      {m.sub[SUB_ADD_TEXT_EX], 0}};
    EXPECT_EQ(expected, steps);
}

TEST(ProtocolCharCodes, EmptyTextIsStartAndTerminatorOnly) {
    FakeRegistry registry;
    MapLinkMessages m = Registered(&registry);
    Steps expected = {{m.sub[SUB_TEXT_START], 0}, {m.sub[SUB_INIT_MAP], 0}};
    EXPECT_EQ(expected, Frame(m, "", SUB_INIT_MAP));
    EXPECT_EQ(expected, Frame(m, nullptr, SUB_INIT_MAP));
}

TEST(ProtocolCharCodes, LoneFinalLeadByteIsNotSent) {
    FakeRegistry registry;
    MapLinkMessages m = Registered(&registry);
    Steps steps = Frame(m, "A\x82", SUB_TEXT_END);
    ASSERT_EQ(3u, steps.size());
    EXPECT_EQ(static_cast<intptr_t>('A'), steps[1].second);
    EXPECT_EQ(m.sub[SUB_TEXT_END], steps[2].first);
}

TEST(ProtocolCharCodes, DecodeAcceptsOnlyCharacters) {
    unsigned char bytes[2] = {};
    EXPECT_EQ(1, decodeCharCode(0x34, bytes));
    EXPECT_EQ(0x34, bytes[0]);
    EXPECT_EQ(2, decodeCharCode(-32096, bytes));
    EXPECT_EQ(0x82, bytes[0]);
    EXPECT_EQ(0xA0, bytes[1]);
    EXPECT_EQ(2, decodeCharCode(0x82A0, bytes)) << "a zero-extended code is the same character";
    EXPECT_EQ(1, decodeCharCode(0xDF, bytes));
    EXPECT_EQ(0, decodeCharCode(0, bytes)) << "a NUL would cut the text";
    EXPECT_EQ(0, decodeCharCode(0x82, bytes)) << "a lead byte alone";
    EXPECT_EQ(0, decodeCharCode(0x80, bytes));
    EXPECT_EQ(0, decodeCharCode(0xFF, bytes));
    EXPECT_EQ(0, decodeCharCode(0x822C, bytes)) << "trail byte ',' is no trail byte";
    EXPECT_EQ(0, decodeCharCode(0x8200, bytes));
    EXPECT_EQ(0, decodeCharCode(0x4142, bytes)) << "0x41 is no lead byte";
    EXPECT_EQ(0, decodeCharCode(-1, bytes));
    EXPECT_EQ(0, decodeCharCode(65536 + 0x34, bytes));
    EXPECT_EQ(0, decodeCharCode(-32769, bytes));
    EXPECT_EQ(0, decodeCharCode(static_cast<intptr_t>(INTPTR_MIN), bytes));
}

TEST(ProtocolFrames, RoundTripOfJapaneseLabel) {
    FakeRegistry registry;
    MapLinkMessages m = Registered(&registry);
    const char* text = "35/41/23456,139/45/01000,東京ﾀﾜｰ,第2";
    FrameText received;
    EXPECT_EQ(text, Receive(m, Frame(m, text, SUB_ADD_TEXT_EX), &received));
}

TEST(ProtocolFrames, NonCharactersAreDroppedFromTheText) {
    FakeRegistry registry;
    MapLinkMessages m = Registered(&registry);
    Steps steps = {{m.sub[SUB_TEXT_START], 0},   {m.sub[SUB_TEXT_CHAR], 'a'},     {m.sub[SUB_TEXT_CHAR], 0},
                   {m.sub[SUB_TEXT_CHAR], 0x82}, {m.sub[SUB_TEXT_CHAR], 1 << 20}, {m.sub[SUB_TEXT_CHAR], 'b'},
                   {m.sub[SUB_TEXT_END], 0}};
    FrameText received;
    EXPECT_EQ("ab", Receive(m, steps, &received));
}

TEST(ProtocolFrames, TerminatorWithoutStartActsOnWhatTheBufferHolds) {
    FakeRegistry registry;
    MapLinkMessages m = Registered(&registry);
    FrameText received;
    EXPECT_EQ("", Receive(m, {{m.sub[SUB_TEXT_END], 0}}, &received)) << "a fresh buffer is empty";
    Receive(m, Frame(m, "4", SUB_SET_LAYER), &received);
    // The terminator leaves the buffer alone: a second one without start sees the same text,
    // and characters without a start add to it.
    EXPECT_EQ("4", Receive(m, {{m.sub[SUB_TEXT_END], 0}}, &received));
    EXPECT_EQ("4x", Receive(m, {{m.sub[SUB_TEXT_CHAR], 'x'}, {m.sub[SUB_TEXT_END], 0}}, &received));
}

TEST(ProtocolFrames, UnknownSubCodeIsNoStep) {
    FakeRegistry registry;
    MapLinkMessages m = Registered(&registry);
    FrameText received;
    EXPECT_EQ(-1, receiveFrameStep(&received, m, m.WM_CARTOLINK, 'x'));
    EXPECT_EQ(0u, received.length);
}

TEST(ProtocolFrames, OverlongTextIsCutAtTheLimitOnBothSides) {
    FakeRegistry registry;
    MapLinkMessages m = Registered(&registry);
    // 1022 ASCII bytes then double-byte characters: the first one would end at byte 1024.
    std::string text(1022, 'a');
    for (int i = 0; i < 10; ++i)
        text += "\x82\xA0";
    Steps steps = Frame(m, text.c_str(), SUB_TEXT_END);
    EXPECT_EQ(1022u + 2u, steps.size()) << "the sender stops before the character that does not fit";

    // A sender that does not keep the limit: the receiver keeps the first 1023 bytes whole.
    Steps flood = {{m.sub[SUB_TEXT_START], 0}};
    for (int i = 0; i < 1022; ++i)
        flood.emplace_back(m.sub[SUB_TEXT_CHAR], 'a');
    flood.emplace_back(m.sub[SUB_TEXT_CHAR], -32096); // would need bytes 1023 and 1024
    flood.emplace_back(m.sub[SUB_TEXT_CHAR], 'z');    // would fit, but comes after the cut
    for (int i = 0; i < 5000; ++i)
        flood.emplace_back(m.sub[SUB_TEXT_CHAR], 'q');
    flood.emplace_back(m.sub[SUB_TEXT_END], 0);
    FrameText received;
    EXPECT_EQ(std::string(1022, 'a'), Receive(m, flood, &received));
    EXPECT_EQ('\0', received.bytes[1022]);

    // The next frame starts clean.
    EXPECT_EQ("ok", Receive(m, Frame(m, "ok", SUB_TEXT_END), &received));
}

TEST(ProtocolFrames, ExactlyTheLimitPasses) {
    FakeRegistry registry;
    MapLinkMessages m = Registered(&registry);
    std::string text(1023, 'b');
    FrameText received;
    EXPECT_EQ(text, Receive(m, Frame(m, text.c_str(), SUB_TEXT_END), &received));
    std::string longer = text + "c";
    EXPECT_EQ(text, Receive(m, Frame(m, longer.c_str(), SUB_TEXT_END), &received));
}

TEST(ProtocolFrames, FailedStepStopsTheFrame) {
    FakeRegistry registry;
    MapLinkMessages m = Registered(&registry);
    struct Counter {
        int calls = 0;
    } counter;
    auto failSecond = [](uint32_t, intptr_t, void* context) {
        auto* c = static_cast<Counter*>(context);
        return ++c->calls == 2 ? -1 : 0;
    };
    EXPECT_EQ(-1, sendTextFrame(m, "abc", SUB_TEXT_END, failSecond, &counter));
    EXPECT_EQ(2, counter.calls) << "no terminator after a lost character";
}

} // namespace
