// Each injected fault, seen from a host that waits 1000 ms for each answer.

#include <gtest/gtest.h>

#include "dspbox/virtual_dsp_box.h"
#include "tests/dspbox/line_host.h"

namespace qv {
namespace {

using Bytes = std::vector<std::uint8_t>;
using std::chrono::milliseconds;
using test::ReceiveLine;
using test::SendEcho;
using test::SendLine;
using test::Transact;

struct FaultyBox {
    explicit FaultyBox(const std::string& faults) : box(clock, Options(faults)) { box.Open("v"); }
    static DspBoxOptions Options(const std::string& faults) {
        DspBoxOptions o;
        o.faults = ParseFaultSpec(faults);
        return o;
    }
    milliseconds Elapsed() {
        return std::chrono::duration_cast<milliseconds>(clock.Now() - DspBox::TimePoint{});
    }
    FakeClock clock;
    VirtualDspBox box;
};

const Bytes kPing{0x39, 0};
const Bytes kPingAnswer{0x3A, 78};

TEST(BoxFaults, DroppedAnswerCostsOneWaitThenTheBoxGoesOn) {
    FaultyBox f("drop=1");
    EXPECT_EQ(Transact(f.box, kPing), Bytes{});
    EXPECT_EQ(f.Elapsed(), milliseconds(1000));
    EXPECT_EQ(Transact(f.box, kPing), kPingAnswer);
    EXPECT_EQ(f.box.AnswerCount(), 2);
}

TEST(BoxFaults, DropCountsEveryEchoAsAnAnswer) {
    FaultyBox f("drop=2");
    EXPECT_EQ(SendEcho(f.box, ':'), ':');
    EXPECT_EQ(SendEcho(f.box, 'r'), std::nullopt);
    EXPECT_EQ(SendEcho(f.box, '0'), '0');
}

TEST(BoxFaults, CorruptedTelegramFailsItsCrc) {
    FaultyBox f("corrupt=1");
    SendLine(f.box, test::Telegram(kPing));
    const auto answer = test::DecodeAnswer(ReceiveLine(f.box));
    ASSERT_TRUE(answer);
    EXPECT_FALSE(answer->crcGood);
    EXPECT_EQ(answer->bytes, kPingAnswer);
    EXPECT_EQ(Transact(f.box, kPing), kPingAnswer);
}

TEST(BoxFaults, CorruptedEchoDoesNotMatch) {
    FaultyBox f("corrupt=1");
    EXPECT_EQ(SendEcho(f.box, ':'), 0xC5);
}

TEST(BoxFaults, LateAnswerMissesTheWaitAndArrivesAfterIt) {
    FaultyBox f("late=1:1500");
    EXPECT_EQ(Transact(f.box, kPing), Bytes{});
    EXPECT_EQ(f.Elapsed(), milliseconds(1000));
    // The late answer is still on its way and comes before the next one.
    EXPECT_EQ(test::DecodeAnswer(ReceiveLine(f.box))->bytes, kPingAnswer);
    EXPECT_EQ(f.Elapsed(), milliseconds(1500));
}

TEST(BoxFaults, SlowBoxWithinTheWait) {
    FaultyBox f("late=all:40");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Transact(f.box, kPing), kPingAnswer);
    EXPECT_EQ(f.Elapsed(), milliseconds(120));
}

TEST(BoxFaults, SilentBoxStillListens) {
    FaultyBox f("silent=3");
    EXPECT_EQ(Transact(f.box, kPing), kPingAnswer);
    EXPECT_EQ(Transact(f.box, kPing), kPingAnswer);
    EXPECT_EQ(Transact(f.box, kPing), Bytes{});
    EXPECT_EQ(SendEcho(f.box, ':'), std::nullopt);
    EXPECT_EQ(Transact(f.box, {0x31, 2}), Bytes{});
    EXPECT_EQ(f.box.SelectedSet(), 2);  // received and done, only not answered
    EXPECT_EQ(f.Elapsed(), milliseconds(3000));
}

TEST(BoxFaults, FirstEraseFails) {
    FaultyBox f("erase-fail");
    f.box.Flash().Store(0, 0, 0, Bytes(4096, 0));
    EXPECT_EQ(Transact(f.box, {0x14, 0x00, 0x00}), (Bytes{0x3F, kBoxEraseFailed}));
    EXPECT_EQ(f.box.FlashSlot(0, 0)[0], 0x00);
    EXPECT_EQ(Transact(f.box, {0x14, 0x00, 0x00}), Bytes{0x21});
    EXPECT_EQ(f.box.FlashSlot(0, 0)[0], 0xFF);
}

TEST(BoxFaults, SeveralErasesFail) {
    FaultyBox f("erase-fail=8");
    int failed = 0;
    for (int s = 0; s < 9; ++s) {
        const auto sector = static_cast<std::uint8_t>(s % 8 * 16);
        failed += Transact(f.box, {0x14, 0x00, sector})[0] == 0x3F;
    }
    EXPECT_EQ(failed, 8);
}

TEST(BoxFaults, OtherSoftwareVersion) {
    FaultyBox f("version=2");
    EXPECT_EQ(f.box.SoftwareVersion(), 2);
    for (char c : std::string(":r017ff")) SendEcho(f.box, c);
    EXPECT_EQ(SendEcho(f.box, 'f'), 2);
}

}  // namespace
}  // namespace qv
