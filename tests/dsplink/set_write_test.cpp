// A write that ends short: one message naming the set, the status line that
// agrees, the set's previous bytes in the box history and "Undo Last Write"
// putting them back; the history's folder, index and limit; and what the
// history step costs on a 9600 baud line.

#include "dsplink/set_write.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iostream>

#include "dspbox/virtual_dsp_box.h"
#include "dsplink/apply_profile.h"
#include "dsplink/box_history.h"
#include "dsplink/dsp_protocol.h"
#include "dsplink/dsp_telegrams.h"
#include "dsplink/filter_transfer.h"
#include "dsplink/set_transfer.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

PointList Filter(double scale) {
    PointList list;
    for (int i = 0; i < 1800; ++i) list.push_back({double(i), std::sin(i * 0.01) * scale});
    return list;
}

struct Box {
    FakeClock clock;
    VirtualDspBox box;
    DspSession session;
    test::ScriptedUserInterface ui;
    test::TempDir dir;
    BoxHistory history{dir.path() / "history"};
    explicit Box(bool baud = false) : box(clock, Options(baud)), session(box, clock) {
        std::string text;
        for (int i = 0; i < 18000; ++i) text += "0x" + std::to_string(10 + i % 90) + "\r\n";
        dir.Write("quorvane.dat", text);
        session.SetProgramDirectory(dir.path().string());
        session.SetHistory(&history);
        ApplyProfile(session, 1, 0, 48000, nullptr, ui);
        session.SetConnected(CheckDspConnection(session.link(), ui, 1));
        session.ChooseSet(FixedSetChooser({4, kRate48k}));
    }
    static DspBoxOptions Options(bool baud) {
        DspBoxOptions o;
        o.factoryContents = true;
        o.baudTiming = baud;
        return o;
    }
    HexSlotImage Holds() const {
        DspImage image;
        const auto slot = box.FlashSlot(4, kRate48k);
        std::copy(slot.begin(), slot.end(), image.begin());
        return SlotContents(image);
    }
    std::chrono::milliseconds Elapsed() {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            clock.Now().time_since_epoch());
    }
};

TEST(FailedWrite, EndsWithOneMessageAndTheHistoryPutsTheSetBack) {
    struct Case {
        const char* faults;
        std::optional<double> cancelAt;
        const char* says;
    };
    // Answers 1..3 are the connection's pings; the keeping reads ~1150 blocks.
    const Case cases[] = {
        {"drop=1500", {}, "the box stopped answering while writing the filter"},
        {"corrupt=1500", {}, "the box's answers stayed damaged while writing the filter"},
        {"silent=20", {}, "the box stopped answering while reading what the set holds"},
        {"silent=3000", {}, "the box stopped answering while verifying the filter"},
        {"erase-fail=8", {}, "the box refused a telegram while erasing the set"},
        {"stuck-cell=3400", {}, "Verify failed: Set 5 at 48 kHz differs at offset 3400"},
        {"", 0.5, "cancelled while writing the filter"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.faults);
        Box b;
        const HexSlotImage before = b.Holds();
        b.box.SetFaults(ParseFaultSpec(c.faults));
        b.ui.cancelAt = c.cancelAt;
        EXPECT_FALSE(EqualizerPath(b.session, b.ui, Filter(0.5)));
        ASSERT_EQ(b.ui.messages.size(), 1u);
        const std::string& m = b.ui.messages[0];
        EXPECT_NE(m.find(c.says), std::string::npos) << m;
        EXPECT_NE(m.find("Set 5 at 48 kHz"), std::string::npos);
        // The status bar says the same (the message may lead with the command's own line).
        ASSERT_EQ(b.ui.statusLines.size(), 1u);
        EXPECT_TRUE(m.ends_with(b.ui.statusLines[0]));
        const bool unchanged = m.ends_with("The set is unchanged.");
        EXPECT_EQ(unchanged, std::string(c.faults) == "silent=20");
        if (unchanged) {
            EXPECT_TRUE(b.history.Entries(4, kRate48k).empty());
            EXPECT_EQ(b.Holds(), before);
            continue;
        }
        EXPECT_TRUE(m.ends_with("or use Transfer \u2192 \"Undo Last Write\".")) << m;
        const auto kept = b.history.Entries(4, kRate48k);
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(kept[0].command, "Filter -> DSP");
        EXPECT_EQ(ReadIntelHexFile(kept[0].file), before);

        b.box.SetFaults({});
        b.ui = {};
        ASSERT_TRUE(RestoreFromHistory(b.session, b.ui, 1));
        EXPECT_EQ(b.Holds(), before);
        EXPECT_TRUE(b.history.Entries(4, kRate48k).empty());
        EXPECT_EQ(b.box.SelectedSet(), 4);
    }
}

TEST(KeepPrevious, ASetChangedElsewhereIsReadNotTakenFromTheRecord) {
    Box b;
    ASSERT_TRUE(EqualizerPath(b.session, b.ui, Filter(0.5)));
    // Another program changes the setup only; this one's record no longer holds.
    b.session.SetHistory(nullptr);
    SetupBlock other = GetSetupBlock(b.session.image());
    other.gainLeft = 77;
    b.session.setup().Put(other);
    ASSERT_TRUE(WriteSetupSequence(b.session, b.ui));
    b.session.SetHistory(&b.history);
    const HexSlotImage before = b.Holds();
    b.box.SetFaults(ParseFaultSpec("stuck-cell=3400"));
    EXPECT_FALSE(EqualizerPath(b.session, b.ui, Filter(0.25)));
    EXPECT_EQ(ReadIntelHexFile(b.history.Entries(4, kRate48k).front().file), before);
}

TEST(KeepPrevious, AHistoryThatCannotBeWrittenStopsTheWriteBeforeTheErase) {
    Box b;
    b.dir.Write("blocked", "");
    BoxHistory blocked(b.dir.path() / "blocked");
    b.session.SetHistory(&blocked);
    const HexSlotImage before = b.Holds();
    EXPECT_FALSE(EqualizerPath(b.session, b.ui, Filter(0.5)));
    ASSERT_EQ(b.ui.messages.size(), 1u);
    EXPECT_TRUE(
        b.ui.messages[0].starts_with("Set 5 at 48 kHz: the box history could not be "
                                     "written in "));
    EXPECT_TRUE(b.ui.messages[0].ends_with("The set is unchanged."));
    EXPECT_EQ(b.Holds(), before);
}

TEST(FailedWrite, PortThatVanishesEndsWithItsMessage) {
    struct VanishingBox : VirtualDspBox {
        using VirtualDspBox::VirtualDspBox;
        int left = 4000;
        bool WriteByte(std::uint8_t b, std::chrono::milliseconds t) override {
            if (--left < 0) throw std::runtime_error("Write error");
            return VirtualDspBox::WriteByte(b, t);
        }
    };
    FakeClock clock;
    DspBoxOptions o;
    o.factoryContents = true;
    VanishingBox box(clock, o);
    DspSession s(box, clock);
    test::ScriptedUserInterface ui;
    s.SetConnected(CheckDspConnection(s.link(), ui, 1));
    ApplyProfile(s, 1, 0, 48000, nullptr, ui);
    s.setup().Put(SetupStartValues());
    box.left = 20;
    EXPECT_FALSE(WriteSetupSequence(s, ui));
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"Set 1 at 44.1 kHz: the port was lost (Write error) while "
                                       "writing the setup (0 %). The set is incomplete: write it "
                                       "again."});
}

TEST(BoxHistory, KeepsTheNewestTenWithTheirIndex) {
    test::TempDir dir;
    BoxHistory h(dir.path());
    for (int i = 0; i < 12; ++i) {
        HexSlotImage c;
        c.Put(0, static_cast<std::uint8_t>(i));
        h.Keep(2, kRate33k, c, i == 0 ? -1 : 1, "Write Setup To DSP");
    }
    const auto entries = h.Entries(2, kRate33k);
    ASSERT_EQ(entries.size(), BoxHistory::kKept);
    EXPECT_EQ(ReadIntelHexFile(entries.front().file).bytes[0], 11);
    EXPECT_EQ(ReadIntelHexFile(entries.back().file).bytes[0], 2);
    EXPECT_EQ(entries.front().version, 1);
    EXPECT_EQ(entries.front().command, "Write Setup To DSP");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path() / "set3-33k"), {}),
              std::ptrdiff_t(BoxHistory::kKept + 1));  // the files and the index
    h.DropNewest(2, kRate33k, 3);
    EXPECT_EQ(ReadIntelHexFile(h.Entries(2, kRate33k).front().file).bytes[0], 8);
    EXPECT_TRUE(h.Entries(2, kRate44k1).empty());

    const char* home = std::getenv("HOME");
    const char* data = std::getenv("XDG_DATA_HOME");
    const std::string savedHome = home != nullptr ? home : "";
    const std::optional<std::string> savedData =
        data != nullptr ? std::optional<std::string>(data) : std::nullopt;
    ::setenv("XDG_DATA_HOME", "/x/data", 1);
    EXPECT_EQ(BoxHistory::DefaultRoot(), "/x/data/quorvane/box-history");
    ::unsetenv("XDG_DATA_HOME");
    ::setenv("HOME", "/home/u", 1);
    EXPECT_EQ(BoxHistory::DefaultRoot(), "/home/u/.local/share/quorvane/box-history");
    ::setenv("HOME", savedHome.c_str(), 1);
    if (savedData) ::setenv("XDG_DATA_HOME", savedData->c_str(), 1);
}

// What a filter write costs on the line: without the history, with it the
// first time (the set is read in full) and with the record of the last write
// (a short read confirms it).
TEST(LineTime, TheRecordKeepsTheHistoryStepShort) {
    auto write = [](Box& b) {
        const auto start = b.Elapsed();
        EXPECT_TRUE(EqualizerPath(b.session, b.ui, Filter(0.5)));
        return (b.Elapsed() - start).count() / 1000.0;
    };
    Box plain(true);
    plain.session.SetHistory(nullptr);
    const double none = write(plain);
    Box kept(true);
    const double first = write(kept);
    const double again = write(kept);
    std::cout << "filter write at 9600 baud: " << none << " s without history, " << first
              << " s the first time, " << again << " s with the record\n";
    EXPECT_LT(again, none * 1.02);
    EXPECT_GT(first, none * 1.3);
}

}  // namespace
}  // namespace qv
