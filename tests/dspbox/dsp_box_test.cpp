#include "dspbox/dsp_box.h"

#include <gtest/gtest.h>

#include "dspbox/virtual_dsp_box.h"
#include "tests/dspbox/line_host.h"

namespace qv {
namespace {

using Bytes = std::vector<std::uint8_t>;
using test::ReceiveLine;
using test::ReceiveOne;
using test::SendEcho;
using test::SendLine;
using test::Transact;

class BoxTest : public ::testing::Test {
  protected:
    BoxTest() { box.Open("virtual"); }
    FakeClock clock;
    VirtualDspBox box{clock};
};

TEST_F(BoxTest, PingAnswersWithTheKeyedByte) {
    for (unsigned r : {0u, 1u, 200u, 255u}) {
        const Bytes answer = Transact(box, {0x39, static_cast<std::uint8_t>(r)});
        EXPECT_EQ(answer, (Bytes{0x3A, static_cast<std::uint8_t>((150 + r) / 2 + 3)})) << r;
    }
    EXPECT_EQ(Transact(box, {0x39, 200})[1], 178);
}

TEST_F(BoxTest, BlockWriteLandsInItsSlotAndReadsBack) {
    // Slot code 5 (set 2, 48 kHz), offset 0x1234.
    Bytes write{0x11, 0x02, 0x92, 0x34};
    for (int i = 0; i < 16; ++i) write.push_back(static_cast<std::uint8_t>(i * 3));
    EXPECT_EQ(Transact(box, write), Bytes{0x21});
    const auto slot = box.FlashSlot(1, 1);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(slot[0x1234 + i], i * 3);
    EXPECT_EQ(slot[0x1234 + 16], 0xFF);
    EXPECT_EQ(box.FlashSlot(1, 0)[0x1234], 0xFF);

    const Bytes read = Transact(box, {0x12, 0x02, 0x92, 0x34, 16});
    ASSERT_EQ(read.size(), 20u);  // ack, the three address bytes, the data
    EXPECT_EQ(Bytes(read.begin(), read.begin() + 4), (Bytes{0x21, 0x02, 0x92, 0x34}));
    EXPECT_EQ(Bytes(read.begin() + 4, read.end()), Bytes(write.begin() + 4, write.end()));
    EXPECT_EQ(Transact(box, {0x12, 0x02, 0x92, 0x44, 1}), (Bytes{0x21, 0x02, 0x92, 0x44, 0xFF}));
}

TEST_F(BoxTest, WriteToUnerasedFlashIsAnErrorUntilErased) {
    EXPECT_EQ(Transact(box, {0x11, 0x02, 0xB0, 0x00, 0x00}), Bytes{0x21});
    EXPECT_EQ(Transact(box, {0x11, 0x02, 0xB0, 0x00, 0x55}), (Bytes{0x3F, kBoxNotErased}));
    EXPECT_EQ(box.FlashSlot(1, 1)[0x3000], 0x00);
    // Erase sector 3 of slot code 5.
    EXPECT_EQ(Transact(box, {0x14, 0x02, 0xB0}), Bytes{0x21});
    EXPECT_EQ(box.FlashSlot(1, 1)[0x3000], 0xFF);
    EXPECT_EQ(Transact(box, {0x11, 0x02, 0xB0, 0x00, 0x55}), Bytes{0x21});
    EXPECT_EQ(box.FlashSlot(1, 1)[0x3000], 0x55);
}

TEST_F(BoxTest, EraseAddressesSectorOfEvenAndOddSlots) {
    const Bytes zeros(kBoxSlotSize, 0);
    box.Flash().Store(1, 0, 0, zeros);  // slot code 4
    box.Flash().Store(1, 1, 0, zeros);  // slot code 5
    EXPECT_EQ(Transact(box, {0x14, 0x02, 0x30}), Bytes{0x21});
    EXPECT_EQ(box.FlashSlot(1, 0)[3 * 4096], 0xFF);
    EXPECT_EQ(box.FlashSlot(1, 0)[2 * 4096], 0x00);
    EXPECT_EQ(box.FlashSlot(1, 1)[3 * 4096], 0x00);
    EXPECT_EQ(Transact(box, {0x14, 0x02, 0xF0}), Bytes{0x21});  // sector 7 of code 5
    EXPECT_EQ(box.FlashSlot(1, 1)[28672], 0xFF);
}

TEST_F(BoxTest, RefusedTelegramsGetAnErrorAnswer) {
    struct Case {
        const char* what;
        std::string line;
        BoxErrorCode code;
    };
    const Bytes tooLong(21, 0x11);
    const Case cases[] = {
        {"wrong CRC", test::Frame({0x39, 0x00}, 0x9E), kBoxBadFrame},
        {"no bytes", ":\r", kBoxBadFrame},
        {"odd digit count", ":39009\r", kBoxBadFrame},
        {"21 bytes and CRC", test::Telegram(tooLong), kBoxBadFrame},
        {"unknown code", test::Telegram({0x55}), kBoxUnknownCode},
        {"the Test telegram", test::Telegram({0x12, 0x02}), kBoxBadLength},
        {"read of 17", test::Telegram({0x12, 0, 0, 0, 17}), kBoxBadLength},
        {"write without data", test::Telegram({0x11, 0, 0, 0}), kBoxBadLength},
        {"slot code 3", test::Telegram({0x11, 0x01, 0x80, 0x00, 0x00}), kBoxBadAddress},
        {"read past the slot", test::Telegram({0x12, 0x00, 0x7F, 0xFF, 2}), kBoxBadAddress},
        {"erase slot code 7", test::Telegram({0x14, 0x03, 0x80}), kBoxBadAddress},
        {"set 9", test::Telegram({0x31, 8}), kBoxBadAddress},
    };
    for (const auto& c : cases) {
        SendLine(box, c.line);
        const auto answer = test::DecodeAnswer(ReceiveLine(box));
        ASSERT_TRUE(answer) << c.what;
        EXPECT_TRUE(answer->crcGood) << c.what;
        EXPECT_EQ(answer->bytes, (Bytes{0x3F, c.code})) << c.what;
        EXPECT_FALSE(box.Log().back().accepted) << c.what;
    }
    for (std::uint8_t b : box.FlashSlot(0, 0)) ASSERT_EQ(b, 0xFF);
}

TEST_F(BoxTest, LowerCaseDigitsAndNoiseBeforeTheFrame) {
    SendLine(box, "\n\rxx:397f26\r");
    EXPECT_EQ(ReceiveLine(box), ":3A8DBB\r");
    EXPECT_EQ(box.BytesWaiting(), 0u);
}

TEST_F(BoxTest, SelectSetTelegram) {
    EXPECT_EQ(Transact(box, {0x31, 3}), Bytes{0x21});
    EXPECT_EQ(box.SelectedSet(), 3);
}

TEST_F(BoxTest, ReadDspByteEchoesAllButTheLastAddressDigit) {
    EXPECT_EQ(box.SoftwareVersion(), 1);
    for (char c : std::string(":r01")) EXPECT_EQ(SendEcho(box, c), c);
    for (char c : std::string("7ff")) EXPECT_EQ(SendEcho(box, c), c);
    EXPECT_EQ(SendEcho(box, 'f'), 1);  // the value itself, not its digits
    EXPECT_EQ(ReceiveOne(box), std::nullopt);
    const BoxLogEntry& entry = box.Log().back();
    EXPECT_EQ(entry.kind, BoxCommand::ReadDspByte);
    EXPECT_EQ(entry.address, 0x7FFF);
    EXPECT_EQ(FormatLogEntry(entry), "read 7FFF -> 01");
}

// Only ':', '0', '1' and the CR come back; the ten record characters do not.
void WriteRecord(VirtualDspBox& box, const std::string& record, bool crEchoed) {
    for (char c : std::string(":01")) ASSERT_EQ(SendEcho(box, c), c);
    SendLine(box, record);
    ASSERT_EQ(box.BytesWaiting(), 0u);
    EXPECT_EQ(SendEcho(box, '\r'), crEchoed ? std::optional<std::uint8_t>('\r') : std::nullopt);
}

TEST_F(BoxTest, WriteDspByteIsAOneByteDataRecord) {
    WriteRecord(box, "7ffa000086", true);  // 0x7FFA := 0x00
    WriteRecord(box, "7ffb002560", true);  // 0x7FFB := 0x25
    EXPECT_EQ(box.ModeWord(), 0x0025);
    WriteRecord(box, "7fff000180", true);  // the version byte := 1
    WriteRecord(box, "0864007023", true);
    EXPECT_EQ(box.Parameters()[0x0864], 0x70);
    EXPECT_EQ(FormatLogEntry(box.Log().back()), "write 0864 = 70");
    // Wrong checksum, and a record type other than 00: refused, nothing stored.
    WriteRecord(box, "0864005514", false);
    WriteRecord(box, "086401553D", false);
    EXPECT_EQ(box.Parameters()[0x0864], 0x70);
    EXPECT_FALSE(box.Log().back().accepted);
}

TEST_F(BoxTest, ParameterAreaRepeatsAtBase32768) {
    EXPECT_EQ(box.ModeWord(0x8000), 5);
    EXPECT_EQ(box.SoftwareVersion(0x8000), 1);
    WriteRecord(box, "fffa0040c6", true);
    EXPECT_EQ(box.ModeWord(0x8000), 0x4005);
    EXPECT_EQ(box.ModeWord(), 5);
}

TEST_F(BoxTest, SelectSetCommandEchoesTheRawCode) {
    EXPECT_EQ(SendEcho(box, ':'), ':');
    EXPECT_EQ(SendEcho(box, 'w'), 'w');
    EXPECT_EQ(SendEcho(box, 5), 5);
    EXPECT_EQ(box.SelectedSlotCode(), 5);
    // Slot code 3 does not exist: no echo.
    SendEcho(box, ':');
    SendEcho(box, 'w');
    EXPECT_EQ(SendEcho(box, 3), std::nullopt);
    EXPECT_EQ(box.SelectedSlotCode(), 5);
}

TEST_F(BoxTest, TelegramAfterAnAbortedByteCommand) {
    EXPECT_EQ(SendEcho(box, ':'), ':');
    EXPECT_EQ(SendEcho(box, 'x'), std::nullopt);  // no such command
    EXPECT_EQ(Transact(box, {0x39, 0}), (Bytes{0x3A, 78}));
    EXPECT_EQ(SendEcho(box, ':'), ':');
    EXPECT_EQ(SendEcho(box, 'r'), 'r');
    EXPECT_EQ(Transact(box, {0x39, 2}), (Bytes{0x3A, 79}));  // the ':' begins anew
}

TEST_F(BoxTest, LogRecordsTelegramBytesWithoutCrc) {
    Transact(box, {0x31, 1});
    ASSERT_EQ(box.Log().size(), 1u);
    EXPECT_EQ(box.Log()[0].telegram, (Bytes{0x31, 1}));
    EXPECT_EQ(FormatLogEntry(box.Log()[0]), "telegram 31 01");
    box.ClearLog();
    EXPECT_TRUE(box.Log().empty());
}

TEST_F(BoxTest, ClosedBoxTakesNothingAndLosesQueuedAnswers) {
    SendLine(box, test::Telegram({0x39, 0}));
    box.Close();
    EXPECT_FALSE(box.WriteByte(':', test::kHostWait));
    EXPECT_EQ(box.BytesWaiting(), 0u);
    box.Open("/dev/ttyS1");
    EXPECT_EQ(box.DeviceName(), "/dev/ttyS1");
    EXPECT_EQ(box.BytesWaiting(), 0u);
    EXPECT_EQ(Transact(box, {0x39, 0}), (Bytes{0x3A, 78}));
}

TEST(BoxTiming, BaudTimingPacesBothDirections) {
    FakeClock clock;
    DspBoxOptions options;
    options.baudTiming = true;
    VirtualDspBox box(clock, options);
    box.Open("virtual");
    const auto start = clock.Now();
    SendLine(box, test::Telegram({0x39, 0}));  // 8 characters out
    EXPECT_EQ(box.BytesWaiting(), 0u);
    EXPECT_EQ(ReceiveLine(box), ":3A4E93\r");  // 8 characters back
    const auto took = clock.Now() - start;
    EXPECT_GE(took, 16 * DspBox::kCharTime);
    EXPECT_LE(took, 16 * DspBox::kCharTime + std::chrono::milliseconds(8));
}

TEST(BoxTiming, ProgramImageTakesAboutNinetySecondsAtLineSpeed) {
    FakeClock clock;
    DspBoxOptions options;
    options.baudTiming = true;
    VirtualDspBox box(clock, options);
    box.Open("virtual");
    Bytes image(28670);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7);
    // Slot code 6 (set 2, 33 kHz): seven program sectors, the image, its length.
    for (std::uint8_t s = 0; s < 7; ++s) {
        ASSERT_EQ(Transact(box, {0x14, 0x03, static_cast<std::uint8_t>(s * 16)}), Bytes{0x21});
    }
    auto writeRange = [&](std::size_t start, const Bytes& bytes) {
        for (std::size_t at = 0; at < bytes.size(); at += 16) {
            const std::size_t o = start + at;
            Bytes t{0x11, 0x03, static_cast<std::uint8_t>(o >> 8), static_cast<std::uint8_t>(o)};
            const std::size_t n = std::min<std::size_t>(16, bytes.size() - at);
            t.insert(t.end(), bytes.begin() + at, bytes.begin() + at + n);
            ASSERT_EQ(Transact(box, t), Bytes{0x21}) << o;
        }
    };
    writeRange(0, image);
    writeRange(28670, {0xFE, 0x6F});
    EXPECT_EQ(Transact(box, {0x31, 1}), Bytes{0x21});

    const auto slot = box.FlashSlot(1, 2);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), slot.begin()));
    EXPECT_EQ(slot[28670], 0xFE);
    EXPECT_EQ(slot[28671], 0x6F);
    const auto seconds = std::chrono::duration<double>(clock.Now() - DspBox::TimePoint{}).count();
    EXPECT_GT(seconds, 85.0);
    EXPECT_LT(seconds, 100.0);
}

TEST(BoxTiming, PtyStyleGapDecision) {
    // The engine alone: an owner that decides by time calls StartByteCommand.
    DspBox box;
    const DspBox::TimePoint t0{};
    box.ReceiveChar(':', t0);
    EXPECT_TRUE(box.ColonPending());
    EXPECT_EQ(box.ReadyCount(t0), 0u);
    box.StartByteCommand(t0 + std::chrono::milliseconds(20));
    EXPECT_EQ(box.TakeOutput(t0 + std::chrono::milliseconds(20), 8), Bytes{':'});
}

}  // namespace
}  // namespace qv
