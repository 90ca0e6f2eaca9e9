#include "dsplink/filter_transfer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "dsplink/apply_profile.h"
#include "dsplink/dsp_telegrams.h"
#include "tests/dsplink/link_fixture.h"

namespace qv {
namespace {

using test::Link;
using Bytes = std::vector<std::uint8_t>;

PointList Values(std::initializer_list<double> ys) {
    PointList list;
    double x = 0;
    for (double y : ys) list.push_back({x++, y});
    return list;
}

PointList Ramp(std::size_t n) {
    PointList list;
    for (std::size_t i = 0; i < n; ++i)
        list.push_back({double(i), std::sin(double(i) * 0.01) * 0.9});
    return list;
}

std::uint32_t Le32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

TEST(EncodeCoefficient, Values) {
    struct Case {
        double x;
        std::uint32_t bits;
    };
    const Case cases[] = {
        {0.5, 0x3F000000},
        {1.0, 0x3F800000},
        {1.5, 0x3F800000},
        {7.0, 0x3F800000},
        {-0.25, 0xBE800000},
        {-3.0, 0xBF800000},
        {0.0, 0x00000000},
        {1e-10, 0x00000000},
        {-1e-10, 0x80000000},
        {std::ldexp(1.0, -31), 96u << 23},              // smallest value kept
        {1.0 - std::ldexp(1.0, -30), 0x3F7FFFFF},       // cut, not rounded to 1.0
        {std::numeric_limits<double>::quiet_NaN(), 0},  // no undefined conversion
        {-std::numeric_limits<double>::infinity(), 0xBF800000},
    };
    for (const auto& c : cases) EXPECT_EQ(EncodeCoefficient(c.x), c.bits) << c.x;
}

TEST(PutCoefficients, LayoutOfPairs) {
    Bytes target(64, 0xEE);
    EXPECT_EQ(PutCoefficients(target, 8, 2, Values({0.5, -0.25, 1.0})), 16u);
    EXPECT_EQ(Bytes(target.begin() + 8, target.begin() + 16),
              (Bytes{0x00, 0x00, 0x00, 0x3F, 0x00, 0x00, 0x00, 0x3F}));
    EXPECT_EQ(Le32(target, 16), 0xBE800000u);
    EXPECT_EQ(Le32(target, 20), 0xBE800000u);
    EXPECT_EQ(target[24], 0xEE);  // count 2: the third value stays out
    EXPECT_EQ(target[7], 0xEE);
}

TEST(PutCoefficients, OddCountStoresWholePairAndShortListFillsZero) {
    Bytes target(64, 0xEE);
    // count 3 takes pairs 0 and 1; the list ends after the first of pair 1.
    EXPECT_EQ(PutCoefficients(target, 0, 3, Values({0.5, 0.5, 1.0})), 32u);
    EXPECT_EQ(Le32(target, 16), 0x3F800000u);
    EXPECT_EQ(Le32(target, 24), 0u);
    EXPECT_EQ(Le32(target, 28), 0u);
    EXPECT_EQ(target[32], 0xEE);
}

TEST(PutCoefficients, NeverWritesPastTheTarget) {
    Bytes target(40, 0xEE);
    EXPECT_EQ(PutCoefficients(target, 8, 100, Ramp(100)), 32u);
    EXPECT_EQ(PutCoefficients(target, 100, 4, Ramp(4)), 0u);
}

TEST(PutCoefficients, FullEqualizerArea) {
    DspImage image{};
    EXPECT_EQ(PutCoefficients(image, 3396, 1797, Ramp(1800)), 14384u);
}

struct Transfer : Link {
    test::TempDir dir;
    Transfer(std::size_t programLines = 18000) {
        std::string text;
        for (std::size_t i = 0; i < programLines; ++i) text += "0x5A\r\n";
        dir.Write("quorvane.dat", text);
        session.SetProgramDirectory(dir.path().string());
        ApplyProfile(session, 1, 0, 48000, nullptr, ui);
        session.SetConnected(true);
        session.Choose({2, kRate48k});
    }
    std::uint8_t Flash(std::size_t offset) { return pipe.FlashAt(9 * 32768u + offset); }
};

TEST(EqualizerPath, CoefficientsReachTheSlot) {
    Transfer t;
    const PointList filter = Ramp(1800);
    ASSERT_TRUE(EqualizerPath(t.session, t.ui, filter));
    EXPECT_TRUE(t.ui.messages.empty());
    for (std::size_t k = 0; k < 1798; ++k) {
        const std::uint32_t bits = EncodeCoefficient(filter[k].y);
        for (std::size_t i = 0; i < 8; ++i)
            ASSERT_EQ(t.Flash(3396 + 8 * k + i), std::uint8_t(bits >> (8 * (i % 4)))) << k;
    }
    EXPECT_EQ(t.Flash(3396 + 8 * 1798), 0x5A);  // beyond the coefficients: the program
    EXPECT_EQ(t.Flash(0), 0x5A);
    EXPECT_EQ(t.Flash(28670), 18000 & 0xFF);
    EXPECT_EQ(t.pipe.selectedSets, Bytes{2});
    EXPECT_EQ(t.ui.progressEnds, 1);
    EXPECT_GT(t.ui.progress.size(), 1000u);
    EXPECT_DOUBLE_EQ(t.ui.progress.back().first, 1.0);
}

TEST(EqualizerPath, ShortProgramSendsOnlyItsLength) {
    Transfer t(4000);
    ASSERT_TRUE(EqualizerPath(t.session, t.ui, Ramp(1800)));
    EXPECT_NE(t.Flash(3999), 0xFF);
    EXPECT_EQ(t.Flash(4000), 0xFF);
    EXPECT_EQ(t.session.image()[4000], EncodeCoefficient(Ramp(1800)[75].y) & 0xFF);
}

TEST(EqualizerPath, EraseRetriedOnce) {
    Transfer once;
    once.pipe.eraseFailures = 1;
    EXPECT_TRUE(EqualizerPath(once.session, once.ui, Ramp(1800)));
    EXPECT_EQ(once.ui.messages, std::vector<std::string>{"Fehler 18 aufgetreten"});

    Transfer twice;
    twice.pipe.eraseFailures = 8;  // one sector in each attempt at least
    EXPECT_FALSE(EqualizerPath(twice.session, twice.ui, Ramp(1800)));
    EXPECT_EQ(twice.ui.messages,
              std::vector<std::string>{"Flash nicht geloescht\nSet 3 at 48 kHz: the box refused a "
                                       "telegram while erasing the set (2 %). The set is "
                                       "incomplete: write it again."});
    EXPECT_EQ(twice.pipe.telegrams.size(), 14u);
}

TEST(EqualizerPath, Refusals) {
    Transfer t;
    EXPECT_FALSE(EqualizerPath(t.session, t.ui, {}));
    EXPECT_EQ(t.ui.messages,
              std::vector<std::string>{"zuerst Simulation durchfuehren!--> Menu Simulate"});
    Transfer missing;
    missing.session.SetProgramDirectory(missing.dir.File("nowhere"));
    EXPECT_FALSE(EqualizerPath(missing.session, missing.ui, Ramp(1800)));
    EXPECT_TRUE(missing.pipe.sent.empty());
}

struct CountingChooser : SetChooser {
    bool answer = true;
    int shown = 0;
    bool Choose(DspState& s) override {
        ++shown;
        EXPECT_EQ(s.RateLocked(), 1);
        return answer && FixedSetChooser({2, kRate48k}).Choose(s);
    }
};

TEST(FilterToDsp, CommandRules) {
    const FilterTransfer eq{TransferPath::Equalizer, Ramp(1800)};
    {
        Transfer t;
        t.session.SetConnected(false);
        CountingChooser chooser;
        EXPECT_FALSE(FilterToDsp(t.session, t.ui, eq, chooser, 0.0));
        EXPECT_EQ(t.ui.messages, std::vector<std::string>{"No DSP -> Please connect DSP to USB"});
        EXPECT_EQ(chooser.shown, 0);
    }
    {
        Transfer t;
        CountingChooser chooser;
        EXPECT_FALSE(FilterToDsp(t.session, t.ui, FilterTransfer{}, chooser, 0.0));
        EXPECT_EQ(chooser.shown, 0);
        EXPECT_TRUE(t.ui.messages.empty());
    }
    {
        Transfer t;
        CountingChooser chooser;
        chooser.answer = false;
        EXPECT_FALSE(FilterToDsp(t.session, t.ui, eq, chooser, 0.0));
        EXPECT_EQ(chooser.shown, 1);
        EXPECT_TRUE(t.pipe.sent.empty());
    }
    {
        Transfer t;
        t.session.Choose({0, t.session.state().ChosenRate()});
        CountingChooser chooser;
        EXPECT_TRUE(FilterToDsp(t.session, t.ui, eq, chooser, 0.0));
        EXPECT_EQ(t.pipe.selectedSets, Bytes{2});
    }
}

using Write = std::pair<std::uint16_t, std::uint8_t>;
Write W(int address, int value) {
    return {static_cast<std::uint16_t>(address), static_cast<std::uint8_t>(value)};
}

struct Room : Transfer {
    Room() {
        ApplyProfile(session, 1, 1, 48000, nullptr, ui);
        session.SetModeWord(0x25);
        session.CheckButton({1, kRate33k});
        pipe.params[32768 + 0x7FFA] = 0x00;
        pipe.params[32768 + 0x7FFB] = 0x25;
    }
    bool Run() { return RoomPath(session, ui, Ramp(900), 0.01); }
};

TEST(RoomPath, WritesCoefficientsToParameterArea) {
    Room r;
    ASSERT_TRUE(r.Run());
    EXPECT_TRUE(r.ui.messages.empty());
    const auto& w = r.pipe.paramWrites;
    // Delay 6190 = trunc((0.0875 - 0.01302 - 0.01) * 48000) * 2, low byte first.
    ASSERT_EQ(w.size(), 3u + 2u + 7200u + 2u);
    const std::uint16_t base = 32768;
    EXPECT_EQ(w[0], W(base + 2148, 6190 & 0xFF));
    EXPECT_EQ(w[1].second, 6190 >> 8);
    EXPECT_EQ(w[3], W(base + 0x7FFA, 0x40));
    EXPECT_EQ(w[4], W(base + 0x7FFB, 0x25));
    const PointList filter = Ramp(900);
    for (std::size_t i = 0; i < 7200; ++i) {
        ASSERT_EQ(w[5 + i].first, base + 15620 + i);
        const std::uint32_t bits = EncodeCoefficient(filter[i / 8].y);
        ASSERT_EQ(w[5 + i].second, std::uint8_t(bits >> (8 * (i % 4)))) << i;
    }
    EXPECT_EQ(w[7205], W(base + 0x7FFA, 0x00));
    EXPECT_EQ(r.pipe.selectCommands, Bytes{SlotCode(1, kRate33k)});
    EXPECT_EQ(r.session.state().ChosenSet(), 1);
    EXPECT_EQ(r.session.state().ChosenRate(), kRate33k);
    EXPECT_EQ(r.ui.progressEnds, 1);
    EXPECT_GT(r.ui.progress.size(), 400u);
}

TEST(RoomPath, Messages) {
    struct Case {
        const char* name;
        std::function<void(Room&)> setup;
        std::string message;
        std::size_t modeWrites;  // writes to the mode word address
    };
    const Case cases[] = {
        {"no answer", [](Room& r) { r.pipe.answers = false; }, "keine RS232-Verbindung zu DSP! [5]",
         0},
        {"mode word unreadable", [](Room& r) { r.pipe.deafCommands = {0}; },
         "keine RS232-Verbindung! [6]", 0},
        {"mode differs", [](Room& r) { r.session.SetModeWord(0x27); },
         "zuerst DSP-Setup durchführen (Menu: SETUP->DSP)!", 0},
        {"busy bit compare ignores high bits",
         [](Room& r) { r.session.SetModeWord(0x4025 | 0x2000); }, "", 2},
        {"delay zero",
         [](Room& r) {
             DspProgramProfile p = r.session.profile();
             p.roomLatencyTotal = p.roomLatencyOffset + 0.01;
             r.session.SetProfile(p);
         },
         "keine RS232-Verbindung zu DSP! [7]", 0},
        {"busy bit not set", [](Room& r) { r.pipe.deafCommands = {5}; },
         "keine RS232-Verbindung zu DSP! [8]", 0},
        {"coefficient lost", [](Room& r) { r.pipe.deafCommands = {7 + 100}; },
         "keine RS232-Verbindung zu DSP! [10]", 2},
        // After the coefficients come 7200 reads of the verify.
        {"busy bit not cleared", [](Room& r) { r.pipe.deafCommands = {7 + 2 * 7200}; },
         "keine RS232-Verbindung zu DSP! [9]", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Room r;
        c.setup(r);
        const bool ok = r.Run();
        EXPECT_EQ(ok, c.message.empty());
        if (c.message.empty()) {
            EXPECT_TRUE(r.ui.messages.empty());
        } else {
            ASSERT_FALSE(r.ui.messages.empty());
            EXPECT_EQ(r.ui.messages.back(), c.message);
        }
        std::size_t modeWrites = 0;
        for (const auto& [a, v] : r.pipe.paramWrites) modeWrites += a == 32768 + 0x7FFB;
        EXPECT_EQ(modeWrites, c.modeWrites);
    }
}

TEST(RoomPath, LostCoefficientClearsBusyBitAndSelectsNothing) {
    Room r;
    r.pipe.deafCommands = {7 + 100};
    EXPECT_FALSE(r.Run());
    EXPECT_EQ(r.pipe.params[32768 + 0x7FFA], 0x00);
    EXPECT_EQ(r.pipe.params[32768 + 0x7FFB], 0x25);
    EXPECT_TRUE(r.pipe.selectCommands.empty());
}

TEST(RoomPath, EmptyFilter) {
    Room r;
    EXPECT_FALSE(RoomPath(r.session, r.ui, {}, 0.0));
    EXPECT_EQ(r.ui.messages, std::vector<std::string>{"zuerst Entzerrung durchfuehren!"});
    EXPECT_TRUE(r.pipe.sent.empty());
}

TEST(RoomDelay, SixteenBits) {
    DspProgramProfile p;
    ApplyProfile(p, 1, 1, 48000, nullptr, *std::make_unique<test::ScriptedUserInterface>());
    EXPECT_EQ(RoomDelay(p, 0.01), 6190);
    EXPECT_EQ(RoomDelay(p, std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace qv
