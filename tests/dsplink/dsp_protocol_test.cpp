#include "dsplink/dsp_protocol.h"

#include <gtest/gtest.h>

#include "tests/dsplink/link_fixture.h"

namespace qv {
namespace {

using std::chrono::milliseconds;
using test::ScriptedPipe;

using test::Link;

TEST(Crc8, TableAndCheckValue) {
    EXPECT_EQ(Crc8Table()[1], 0x5E);
    EXPECT_EQ(Crc8Table()[128], 0x8C);
    const std::string check = "123456789";
    EXPECT_EQ(Crc8({reinterpret_cast<const std::uint8_t*>(check.data()), check.size()}), 0xA1);
}

TEST(SendTelegram, CharactersOnTheLine) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::string line;
    };
    const Case cases[] = {
        {{0x39, 0x00}, ":39009F\r"},
        {{0x39, 0x7F}, ":397F26\r"},
        {{0x31, 0x0A}, ":310A" + ScriptedPipe::Frame({0x31, 0x0A}).substr(5)},
    };
    for (const auto& c : cases) {
        Link l;
        l.pipe.answers = false;
        l.Telegram(c.bytes);
        EXPECT_TRUE(SendTelegram(l.link, l.ui));
        EXPECT_EQ(l.pipe.sent, c.line);
    }
    Link l;
    l.Telegram(std::vector<std::uint8_t>(20, 0xAB));
    EXPECT_TRUE(SendTelegram(l.link, l.ui));
    EXPECT_EQ(l.pipe.sent.size(), 44u);
}

TEST(SendTelegram, FailedByteStopsWithMessage) {
    Link l;
    l.pipe.writeFailAfter = 3;
    l.Telegram({0x14, 0x02, 0xB0});
    EXPECT_FALSE(TransactTelegram(l.link, l.ui));
    EXPECT_EQ(l.pipe.sent, ":14");
    EXPECT_EQ(l.ui.messages,
              (std::vector<std::string>{"Fehler bei Byte Senden", "Fehler 16 aufgetreten"}));
}

TEST(ReceiveTelegram, Frames) {
    struct Case {
        const char* name;
        std::string line;
        bool ok;
        std::uint8_t length;
        std::uint8_t first;
    };
    const Case cases[] = {
        {"plain", ":217D\r", true, 1, 0x21},
        {"garbage before start", "xy\r\n!:217D\r", true, 1, 0x21},
        {"lower case digits", ScriptedPipe::Frame({0x3A, 0xBC, 0xDE}).replace(3, 4, "bcde"), true,
         3, 0x3A},
        {"bad CRC", ":217E\r", false, 0, 0},
        {"empty frame", ":\r", false, 0, 0},
        {"21 bytes with CRC", ScriptedPipe::Frame(std::vector<std::uint8_t>(20, 0x21)), true, 20,
         0x21},
        {"22 bytes with CRC", ScriptedPipe::Frame(std::vector<std::uint8_t>(21, 0x21)), false, 0,
         0},
        {"bad digit restarts", ":2G" + ScriptedPipe::Frame({0x21}), true, 1, 0x21},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Link l;
        l.RawAnswer(c.line);
        l.Telegram({0x39, 0x00});
        ASSERT_TRUE(SendTelegram(l.link, l.ui));
        EXPECT_EQ(ReceiveTelegram(l.link), c.ok);
        EXPECT_EQ(l.link.telegram().complete, c.ok ? 1 : 0);
        EXPECT_EQ(l.link.telegram().length, c.length);
        if (c.ok) {
            EXPECT_EQ(l.link.telegram().data[0], c.first);
        }
    }
}

TEST(ReceiveTelegram, BadCrcKeepsReceivedBytes) {
    Link l;
    l.RawAnswer(":3A4B00\r");
    l.Telegram({0x39, 0x00});
    SendTelegram(l.link, l.ui);
    EXPECT_FALSE(ReceiveTelegram(l.link));
    EXPECT_EQ(l.link.telegram().data[0], 0x3A);
    EXPECT_EQ(l.link.telegram().data[1], 0x4B);
}

TEST(ReceiveTelegram, GivesUpOnEndlessGarbage) {
    Link l;
    l.RawAnswer(std::string(500, 'x') + ":217D\r");
    l.Telegram({0x39, 0x00});
    SendTelegram(l.link, l.ui);
    EXPECT_FALSE(ReceiveTelegram(l.link));
    EXPECT_EQ(l.link.port().ReceiveStore().size(), 500u + 6u - 102u);
}

TEST(ReceiveChar, WaitsInTimeNotInPolls) {
    Link l;
    EXPECT_FALSE(ReceiveChar(l.link));
    EXPECT_EQ(l.Elapsed(), milliseconds(1000));
    EXPECT_FALSE(ReceiveChar(l.link, kPingWait));
    EXPECT_EQ(l.Elapsed(), milliseconds(1100));
}

TEST(TransactTelegram, AnswerMustBeginWithAcknowledge) {
    Link l;
    l.Telegram({0x77});  // the pipe answers unknown codes with 0x3F
    EXPECT_FALSE(TransactTelegram(l.link, l.ui));
    EXPECT_EQ(l.ui.messages, std::vector<std::string>{"Fehler 18 aufgetreten"});

    Link silent;
    silent.pipe.answers = false;
    silent.Telegram({0x31, 0x00});
    EXPECT_FALSE(TransactTelegram(silent.link, silent.ui));
    EXPECT_TRUE(silent.ui.messages.empty());
}

TEST(PingDsp, ExpectedAnswer) {
    EXPECT_EQ(PingAnswer(150, 200), 178);
    EXPECT_EQ(PingAnswer(150, 0), 78);
    EXPECT_EQ(PingAnswer(150, 255), 205);
    Link l;
    EXPECT_TRUE(PingDsp(l.link, l.ui));
    l.pipe.answerFilter = [](std::vector<std::uint8_t>& a, int) {
        ++a[1];
        return true;
    };
    EXPECT_FALSE(PingDsp(l.link, l.ui));
    EXPECT_TRUE(l.ui.messages.empty());
}

TEST(CheckDspConnection, WithoutBoxCostsFifteenShortRounds) {
    Link l;
    l.pipe.answers = false;
    test::ScriptedUserInterface ui;
    EXPECT_FALSE(CheckDspConnection(l.link, ui, 1));
    EXPECT_EQ(l.pipe.telegrams.size(), 15u);
    EXPECT_EQ(l.Elapsed(), milliseconds(15 * 300));
    EXPECT_EQ(ui.busyChanges, (std::vector<bool>{true, false}));
}

TEST(CheckDspConnection, StopsAfterFirstAnswerAndPausesAfterIt) {
    Link l;
    l.pipe.answerFilter = [](std::vector<std::uint8_t>&, int i) { return i >= 2; };
    EXPECT_TRUE(CheckDspConnection(l.link, l.ui, 1));
    EXPECT_EQ(l.pipe.telegrams.size(), 3u);
    EXPECT_EQ(l.Elapsed(), milliseconds(2 * 300 + 200));
}

TEST(CheckDspConnection, OpenErrorEndsTheCheck) {
    Link l;
    l.pipe.missing.insert("/dev/ttyS1");
    EXPECT_THROW(CheckDspConnection(l.link, l.ui, 2), SerialError);
    EXPECT_TRUE(l.pipe.telegrams.empty());
}

TEST(HexRecord, WriteDspByteLine) {
    EXPECT_EQ(RecordChecksum(0x7FFF, 1), 0x80);
    Link l;
    EXPECT_TRUE(WriteDspByte(l.link, l.ui, 0x7FFF, 1));
    EXPECT_EQ(l.pipe.sent, ":017fff000180\r");
    EXPECT_EQ(l.pipe.params[0x7FFF], 1);
}

TEST(HexRecord, ReadDspByteLine) {
    Link l;
    l.pipe.params[0x8864] = 0xA5;
    EXPECT_EQ(ReadDspByte(l.link, l.ui, 0x8864), 0xA5);
    EXPECT_EQ(l.pipe.sent, ":r018864");
}

TEST(HexRecord, EchoFailures) {
    {
        Link l;
        l.pipe.echoes = false;
        EXPECT_FALSE(ReadDspByte(l.link, l.ui, 0x10));
        EXPECT_FALSE(WriteDspByte(l.link, l.ui, 0x10, 1));
        EXPECT_TRUE(l.ui.messages.empty());
        EXPECT_FALSE(SelectSetCommand(l.link, l.ui, 4));
        EXPECT_EQ(l.ui.messages, std::vector<std::string>{"Fehler 16 aufgetreten"});
    }
    {
        Link l;
        l.pipe.writeFailAfter = 7;  // ":r01" and three digits go out, the fourth not
        EXPECT_FALSE(ReadDspByte(l.link, l.ui, 0x1234));
        EXPECT_EQ(l.ui.messages,
                  (std::vector<std::string>{"Fehler bei Byte Senden", "Fehler 6 aufgetreten"}));
    }
    {
        Link l;
        l.pipe.writeFailAfter = 5;
        EXPECT_FALSE(ReadDspByte(l.link, l.ui, 0x1234));
        EXPECT_EQ(l.ui.messages,
                  (std::vector<std::string>{"Fehler bei Byte Senden", "Fehler 5 aufgetreten"}));
    }
}

TEST(HexRecord, SelectSetCommandSendsRawCode) {
    Link l;
    EXPECT_TRUE(SelectSetCommand(l.link, l.ui, 9));
    EXPECT_EQ(l.pipe.sent, std::string(":w\x09"));
    EXPECT_EQ(l.pipe.selectCommands, std::vector<std::uint8_t>{9});
}

}  // namespace
}  // namespace qv
