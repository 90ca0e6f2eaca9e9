#include "dsplink/dsp_telegrams.h"

#include <gtest/gtest.h>

#include "dsplink/dsp_protocol.h"
#include "tests/dsplink/link_fixture.h"

namespace qv {
namespace {

using test::Link;
using Bytes = std::vector<std::uint8_t>;

TEST(SlotAddress, Bytes) {
    EXPECT_EQ(SlotCode(1, kRate48k), 5);
    EXPECT_EQ(SlotAddressBytes(5, 0x1234), (std::array<std::uint8_t, 3>{0x02, 0x92, 0x34}));
    EXPECT_EQ(SlotAddressBytes(4, 0x1234), (std::array<std::uint8_t, 3>{0x02, 0x12, 0x34}));
    EXPECT_EQ(SlotAddressBytes(30, 0x7FFF), (std::array<std::uint8_t, 3>{0x0F, 0x7F, 0xFF}));
    EXPECT_EQ(SlotAddressBytes(31, 0), (std::array<std::uint8_t, 3>{0x0F, 0x80, 0x00}));
}

TEST(EraseSector, Bytes) {
    struct Case {
        std::uint8_t set, rate, sector;
        Bytes telegram;
    };
    const Case cases[] = {
        {1, kRate48k, 3, {0x14, 0x02, 0xB0}},
        {1, kRate44k1, 3, {0x14, 0x02, 0x30}},
        {7, kRate33k, 7, {0x14, 0x0F, 0x70}},
        {0, kRate48k, 0, {0x14, 0x00, 0x80}},
    };
    for (const auto& c : cases) {
        Link l;
        l.session.Choose({c.set, c.rate});
        EXPECT_TRUE(EraseSector(l.session, l.ui, c.sector));
        EXPECT_EQ(l.pipe.telegrams.back(), c.telegram);
    }
}

TEST(EraseProgramSectors, SendsAllSevenEvenAfterAFailure) {
    Link l;
    l.pipe.eraseFailures = 1;
    EXPECT_FALSE(EraseProgramSectors(l.session, l.ui));
    ASSERT_EQ(l.pipe.telegrams.size(), 7u);
    for (std::uint8_t s = 0; s < 7; ++s) EXPECT_EQ(l.pipe.telegrams[s][2], s * 16);
    EXPECT_EQ(l.ui.messages, std::vector<std::string>{"Fehler 18 aufgetreten"});
    EXPECT_TRUE(EraseProgramSectors(l.session, l.ui));
}

TEST(WriteRange, BlockLengthsAndAddresses) {
    struct Case {
        std::size_t start, count;
        std::vector<std::size_t> lengths;
    };
    const Case cases[] = {
        {28672, 17, {20, 5}}, {0, 0, {}}, {28670, 2, {6}}, {0, 33, {20, 20, 5}}, {100, 16, {20}},
    };
    for (const auto& c : cases) {
        Link l;
        l.session.Choose({2, kRate33k});
        DspImage image{};
        for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7);
        l.session.PlaceImage(image);
        EXPECT_TRUE(WriteRange(l.session, l.ui, c.start, c.count));
        ASSERT_EQ(l.pipe.telegrams.size(), c.lengths.size());
        std::size_t offset = c.start;
        for (std::size_t i = 0; i < c.lengths.size(); ++i) {
            const Bytes& t = l.pipe.telegrams[i];
            EXPECT_EQ(t.size(), c.lengths[i]);
            const auto a = SlotAddressBytes(10, static_cast<std::uint16_t>(offset));
            EXPECT_EQ(Bytes(t.begin(), t.begin() + 4), (Bytes{0x11, a[0], a[1], a[2]}));
            EXPECT_EQ(t[4], l.session.image()[offset]);
            offset += t.size() - 4;
        }
    }
}

TEST(WriteRange, StopsAtFirstFailureAndRefusesRangesBeyondTheImage) {
    Link l;
    l.pipe.answerFilter = [](Bytes& a, int i) {
        if (i == 1) a[0] = 0x3F;
        return true;
    };
    EXPECT_FALSE(WriteRange(l.session, l.ui, 0, 64));
    EXPECT_EQ(l.pipe.telegrams.size(), 2u);
    EXPECT_FALSE(WriteRange(l.session, l.ui, 32760, 16));
    EXPECT_EQ(l.pipe.telegrams.size(), 2u);
}

TEST(WriteRange, ReportsProgressEveryBlock) {
    Link l;
    EXPECT_TRUE(WriteRange(l.session, l.ui, 0, 160, ProgressSpan{&l.ui, 0.5, 1.0, "x"}));
    ASSERT_EQ(l.ui.progress.size(), 10u);
    EXPECT_DOUBLE_EQ(l.ui.progress.front().first, 0.55);
    EXPECT_DOUBLE_EQ(l.ui.progress.back().first, 1.0);
}

TEST(ReadRange, NeedsConnection) {
    Link l;
    EXPECT_FALSE(ReadRange(l.session, l.ui, kSetupOffset, kSetupSize));
    EXPECT_TRUE(l.pipe.sent.empty());
}

TEST(ReadRange, CopiesAnswersIntoImage) {
    Link l;
    l.session.SetConnected(true);
    l.session.Choose({3, kRate48k});
    const std::uint32_t slot = 13 * 32768u;
    for (std::uint32_t i = 0; i < 17; ++i)
        l.pipe.flash[slot + kSetupOffset + i] = static_cast<std::uint8_t>(i + 1);
    EXPECT_TRUE(ReadSetupSequence(l.session, l.ui));
    ASSERT_EQ(l.pipe.telegrams.size(), 2u);
    EXPECT_EQ(l.pipe.telegrams[1], (Bytes{0x12, 0x06, 0xF0, 0x10, 1}));
    for (std::size_t i = 0; i < 17; ++i) EXPECT_EQ(l.session.image()[kSetupOffset + i], i + 1);
}

TEST(ReadRange, AnswerWithoutDataFails) {
    Link l;
    l.session.SetConnected(true);
    l.pipe.answerFilter = [](Bytes& a, int) {
        a.resize(4);
        return true;
    };
    EXPECT_FALSE(ReadRange(l.session, l.ui, 0, 16));
    EXPECT_EQ(l.pipe.telegrams.size(), 1u);
}

TEST(ReadRange, ShortAnswersAdvanceByWhatCame) {
    Link l;
    l.session.SetConnected(true);
    l.pipe.answerFilter = [](Bytes& a, int) {
        a.resize(std::min<std::size_t>(a.size(), 4 + 3));
        return true;
    };
    EXPECT_TRUE(ReadRange(l.session, l.ui, 0, 7));
    ASSERT_EQ(l.pipe.telegrams.size(), 3u);
    EXPECT_EQ(l.pipe.telegrams[2][3], 6);
    EXPECT_EQ(l.pipe.telegrams[2][4], 1);
}

TEST(Parameters, BaseFollowsCheckedChooserButton) {
    struct Case {
        SetChoice checked;
        std::uint16_t base;
    };
    for (const Case c : {Case{{1, kRate33k}, 32768}, Case{{1, kRate48k}, 0}, Case{{0, kRate33k}, 0},
                         Case{{2, kRate33k}, 0}}) {
        Link l;
        l.session.CheckButton(c.checked);
        EXPECT_EQ(l.session.state().ParameterBase(), c.base);
        l.pipe.params[c.base + 0x7FFA] = 0x40;
        l.pipe.params[c.base + 0x7FFB] = 0x25;
        l.pipe.params[c.base + 0x7FFF] = 1;
        EXPECT_EQ(ReadModeWord(l.session, l.ui), 0x4025);
        EXPECT_EQ(ReadVersion(l.session, l.ui), 1);
        EXPECT_TRUE(WriteModeWord(l.session, l.ui, 0x1234));
        EXPECT_EQ(l.pipe.paramWrites, (std::vector<std::pair<std::uint16_t, std::uint8_t>>{
                                          {c.base + 0x7FFA, 0x12}, {c.base + 0x7FFB, 0x34}}));
    }
}

TEST(Parameters, WriteDelay) {
    Link l;
    EXPECT_FALSE(WriteDelay(l.session, l.ui, 2148, 0));
    EXPECT_TRUE(l.pipe.sent.empty());
    EXPECT_TRUE(WriteDelay(l.session, l.ui, 2148, 6000));
    EXPECT_EQ(l.pipe.paramWrites, (std::vector<std::pair<std::uint16_t, std::uint8_t>>{
                                      {2148, 0x70}, {2149, 0x17}, {2150, 0x00}}));
}

TEST(Parameters, FailedReadGivesNothing) {
    Link l;
    l.pipe.answers = false;
    EXPECT_FALSE(ReadModeWord(l.session, l.ui));
    EXPECT_FALSE(ReadVersion(l.session, l.ui));
}

TEST(Sequences, SetupWrite) {
    Link l;
    l.session.Choose({4, l.session.state().ChosenRate()});
    l.session.setup().Put(SetupStartValues());
    EXPECT_TRUE(WriteSetupSequence(l.session, l.ui));
    // Erase, two blocks, the two blocks read back, the selection.
    ASSERT_EQ(l.pipe.telegrams.size(), 6u);
    EXPECT_EQ(l.pipe.telegrams[0], (Bytes{0x14, 0x08, 0x70}));
    EXPECT_EQ(l.pipe.telegrams[1].size(), 20u);
    EXPECT_EQ(l.pipe.telegrams[2].size(), 5u);
    EXPECT_EQ(l.pipe.telegrams[3], (Bytes{0x12, 0x08, 0x70, 0x00, 16}));
    EXPECT_EQ(l.pipe.telegrams[4], (Bytes{0x12, 0x08, 0x70, 0x10, 1}));
    EXPECT_EQ(l.pipe.telegrams[5], (Bytes{0x31, 4}));
    const std::uint32_t at = 16 * 32768u + kSetupOffset;
    EXPECT_EQ(l.pipe.FlashAt(at + 4), 12);
    EXPECT_EQ(l.pipe.FlashAt(at + 12), 48000 & 0xFF);
    EXPECT_EQ(l.pipe.FlashAt(at + 13), 48000 >> 8);
    EXPECT_EQ(l.pipe.FlashAt(at + 14), 1);
}

TEST(Sequences, SetupWriteStopsAfterFailedErase) {
    Link l;
    l.pipe.eraseFailures = 1;
    EXPECT_FALSE(WriteSetupSequence(l.session, l.ui));
    EXPECT_EQ(l.pipe.telegrams.size(), 1u);
}

TEST(SetupBlock, RoundTripLowByteFirst) {
    DspImage image{};
    SetupBlock b{300, 1, 700, 12, 6000, 5, 44100, 2, 1, 1};
    PutSetupBlock(image, b);
    EXPECT_EQ(image[kSetupOffset + 4], 700 & 0xFF);
    EXPECT_EQ(image[kSetupOffset + 5], 700 >> 8);
    EXPECT_EQ(GetSetupBlock(image), b);
    SetImageLength(image, 18000);
    EXPECT_EQ(image[28670], 18000 & 0xFF);
    EXPECT_EQ(ImageLength(image), 18000);
}

TEST(TestLoop, RunsUntilTheBoxStopsAnswering) {
    Link l;
    l.pipe.answerFilter = [](Bytes&, int i) { return i < 20; };
    EXPECT_EQ(TelegramTestLoop(l.session, l.ui), 20u);
    EXPECT_EQ(l.pipe.telegrams.front(), (Bytes{0x12, 0x02}));
    EXPECT_EQ(l.ui.messages,
              std::vector<std::string>{"Not OK  IDP Tele nicht erfolgreich gesendet"});
    EXPECT_EQ(l.ui.progressEnds, 1);
}

}  // namespace
}  // namespace qv
