// Read-back against the virtual box: verify after write (also with a flash
// cell that will not program), "Filter <- DSP", backup and restore, Cancel
// and a box that falls silent in the middle of a read-back.

#include "dsplink/set_transfer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "dspbox/virtual_dsp_box.h"
#include "dsplink/apply_profile.h"
#include "dsplink/dsp_protocol.h"
#include "dsplink/dsp_telegrams.h"
#include "dsplink/filter_transfer.h"
#include "dsplink/program_file.h"
#include "tests/dsplink/box_bench.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

using std::chrono::milliseconds;

PointList Filter(std::size_t n, double scale) {
    PointList list;
    for (std::size_t i = 0; i < n; ++i)
        list.push_back({double(i), std::sin(double(i) * 0.01 + 0.3) * scale});
    return list;
}

struct Bench : test::BoxBench {
    PointList eqFilter = Filter(1800, 0.9);
    PointList roomFilter = Filter(900, 0.3);
    bool room = false;  // the room filter goes, else the equalizer's
    explicit Bench(const std::string& faults = "", bool factory = false)
        : BoxBench(Options(faults, factory),
                   [](int i) { return "0x" + std::to_string(10 + i % 90); }) {
        session.SetConnected(CheckDspConnection(session.link(), ui, 1));
    }
    static DspBoxOptions Options(const std::string& faults, bool factory) {
        DspBoxOptions o = WithFaults(faults);
        o.factoryContents = factory;
        return o;
    }
    bool FilterTo(std::uint8_t set, std::uint8_t rate, WriteOptions options = {}) {
        FixedSetChooser chooser({set, rate});
        const FilterTransfer what = room ? FilterTransfer{TransferPath::Room, roomFilter}
                                         : FilterTransfer{TransferPath::Equalizer, eqFilter};
        return FilterToDsp(session, ui, what, chooser, 0.0, options);
    }
    bool Erased(std::uint8_t code) const {
        for (const auto& e : box.Log())
            if (e.kind == BoxCommand::Telegram && e.telegram[0] == 0x14 && e.accepted &&
                e.telegram[1] == code / 2)
                return true;
        return false;
    }
};

TEST(VerifyAfterWrite, FilterIsReadBackAndSaidSo) {
    struct Case {
        bool verify;
        const char* status;
    };
    for (const Case c : {Case{true, "Filter written to Set 3 at 48 kHz, verified"},
                         Case{false, "Filter written to Set 3 at 48 kHz"}}) {
        Bench b;
        ASSERT_TRUE(b.FilterTo(2, kRate48k, {.verify = c.verify}));
        EXPECT_TRUE(b.ui.messages.empty());
        EXPECT_EQ(b.ui.statusLines, std::vector<std::string>{c.status});
        std::size_t reads = 0;
        for (const auto& e : b.box.Log()) reads += e.telegram.size() == 5 && e.telegram[0] == 0x12;
        EXPECT_EQ(reads, c.verify ? 1125u + 1u : 0u);
        // Both phases on one bar, the verify phase after the write phase.
        EXPECT_EQ(b.ui.progress.back().second, c.verify ? "Verify" : "Filter schreiben");
        EXPECT_DOUBLE_EQ(b.ui.progress.back().first, 1.0);
    }
}

TEST(VerifyAfterWrite, StuckCellFailsEveryWriteNamingSetAndOffset) {
    // Offsets inside the coefficients, the program and the setup block.
    Bench filter("stuck-cell=3400");
    EXPECT_FALSE(filter.FilterTo(2, kRate48k));
    EXPECT_EQ(
        filter.ui.messages,
        std::vector<std::string>{"Verify failed: Set 3 at 48 kHz differs at offset 3400 (0x0D48). "
                                 "The set differs from what was written: write it again."});
    EXPECT_FALSE(filter.box.SelectedSet());                // a set that failed is not selected
    EXPECT_EQ(filter.ui.statusLines, filter.ui.messages);  // the status bar agrees

    Bench software("stuck-cell=17");
    software.Choose(4, kRate44k1);
    EXPECT_FALSE(WriteSoftware(software.session, software.ui, software.session.ProgramPath()));
    EXPECT_EQ(software.ui.messages,
              (std::vector<std::string>{
                  "DSP Programm NICHT erfolgreich geschrieben\nVerify failed: Set 5 "
                  "at 44.1 kHz differs at offset 17 (0x0011). The set differs "
                  "from what was written: write it again."}));

    Bench setup("stuck-cell=28676");
    setup.Choose(0, kRate33k);
    setup.session.setup().Put(SetupStartValues());
    EXPECT_FALSE(WriteSetupSequence(setup.session, setup.ui));
    EXPECT_EQ(setup.ui.messages,
              std::vector<std::string>{"Verify failed: Set 1 at 33 kHz differs at offset 28676 "
                                       "(0x7004). The set differs from what was written: write it "
                                       "again."});
    // Without verifying, the same box takes the setup as written.
    setup.ui = {};
    EXPECT_TRUE(WriteSetupSequence(setup.session, setup.ui, {.verify = false}));
    EXPECT_EQ(setup.ui.statusLines, std::vector<std::string>{"Setup written to Set 1 at 33 kHz"});
}

TEST(SetupEdit, RevertRestoresTheKeptImageAndCommitWritesTheBlock) {
    Bench b;
    b.Choose(3, kRate48k);
    SetupEdit& edit = b.session.setup();
    SetupBlock start = SetupStartValues();
    edit.Put(start);
    edit.Begin();
    const DspImage kept = b.session.image();
    SetupBlock changed = start;
    changed.delayLeft = 1234;
    changed.gainRight = 7;
    edit.Put(changed);
    EXPECT_EQ(edit.Get().delayLeft, 1234);
    edit.Revert();
    EXPECT_EQ(b.session.image(), kept);
    EXPECT_EQ(edit.Get().delayLeft, start.delayLeft);

    edit.Put(changed);
    ASSERT_TRUE(edit.Commit(b.ui, {}));
    EXPECT_EQ(b.ui.statusLines.back(), "Setup written to Set 4 at 48 kHz, verified");
    const auto flash = b.box.FlashSlot(3, kRate48k);
    DspImage written{};
    std::copy(flash.begin() + kSetupOffset, flash.begin() + kSetupOffset + kSetupSize,
              written.begin() + kSetupOffset);
    EXPECT_EQ(GetSetupBlock(written).delayLeft, 1234);
    EXPECT_EQ(GetSetupBlock(written).gainRight, 7);
}

TEST(VerifyAfterWrite, RoomFilterParameterBytesAreReadBack) {
    Bench b;
    b.room = true;
    ASSERT_TRUE(b.FilterTo(1, kRate48k));
    EXPECT_TRUE(b.ui.messages.empty());
    EXPECT_EQ(b.ui.statusLines,
              std::vector<std::string>{"Room filter written to Set 2 at 48 kHz, verified"});
    std::size_t reads = 0;
    for (const auto& e : b.box.Log()) reads += e.kind == BoxCommand::ReadDspByte;
    EXPECT_EQ(reads, 2u + 7200u);  // the mode word, then every coefficient byte
    EXPECT_EQ(b.box.ModeWord() & kModeBusy, 0);
}

TEST(FilterFromDsp, ReturnsTheWrittenFilterWithinTheSinglePrecision) {
    Bench b;
    ASSERT_TRUE(b.FilterTo(2, kRate48k));
    b.session.LockRate(true);
    FixedSetChooser chooser({2, kRate48k});
    const auto slot = FilterFromDsp(b.session, b.ui, chooser);
    ASSERT_TRUE(slot.has_value());
    EXPECT_EQ(b.session.state().RateLocked(), 0);
    EXPECT_EQ(slot->name, "Set 3 (48 kHz)");
    const PointList& sent = b.eqFilter;
    ASSERT_EQ(slot->points.size(), 1798u);
    for (std::size_t k = 0; k < 1798; ++k) {
        ASSERT_EQ(slot->points[k].x, double(k));
        // 24 significant bits above 2^-31, cut toward zero.
        ASSERT_NEAR(slot->points[k].y, sent[k].y,
                    std::ldexp(std::fabs(sent[k].y), -23) + std::ldexp(1.0, -31))
            << k;
        ASSERT_LE(std::fabs(slot->points[k].y), std::fabs(sent[k].y)) << k;
    }
    EXPECT_EQ(b.ui.statusLines.back(), "Filter read from Set 3 at 48 kHz");
}

TEST(FilterFromDsp, ErasedSetOrSilentBoxChangesNothing) {
    Bench b;
    FixedSetChooser chooser({6, kRate33k});
    EXPECT_FALSE(FilterFromDsp(b.session, b.ui, chooser).has_value());
    EXPECT_EQ(b.ui.messages, std::vector<std::string>{"Set 7 at 33 kHz holds no filter yet"});

    // A box from the factory holds the demo program; one that falls silent
    // while the coefficients come back gives no filter.
    Bench silent("silent=200", true);
    EXPECT_FALSE(FilterFromDsp(silent.session, silent.ui, chooser).has_value());
    EXPECT_EQ(silent.ui.messages,
              std::vector<std::string>{
                  "Verify failed: no answer from Set 7 at 33 kHz while reading back"});
    EXPECT_EQ(silent.ui.progressEnds, 1);
}

TEST(BackupRestore, BackupThenRestoreIntoAnotherSetByteForByte) {
    Bench b("", true);
    ASSERT_TRUE(b.FilterTo(2, kRate48k));
    b.Choose(2, kRate48k);
    const std::string file = (b.dir.path() / "set3.hex").string();
    ASSERT_TRUE(BackupSet(b.session, b.ui, file));
    b.Choose(5, kRate44k1);
    ASSERT_TRUE(RestoreSet(b.session, b.ui, file));
    EXPECT_TRUE(b.ui.messages.empty());
    const auto from = b.box.FlashSlot(2, kRate48k);
    const auto to = b.box.FlashSlot(5, kRate44k1);
    EXPECT_TRUE(std::equal(from.begin(), from.end(), to.begin()));
    EXPECT_EQ(b.box.SelectedSet(), 5);
    EXPECT_EQ(b.ui.statusLines,
              (std::vector<std::string>{"Filter written to Set 3 at 48 kHz, verified",
                                        "Set 3 at 48 kHz backed up to " + file,
                                        "Backup set3.hex written to Set 6 at 44.1 kHz, verified"}));
}

TEST(BackupRestore, BadFilesAreRefusedBeforeAnyErase) {
    struct Case {
        const char* text;
        const char* why;
    };
    const Case cases[] = {
        {":0100050042B9\n:00000001FF\n", "line 1: bad checksum"},
        {":020004004243755\n:0100050042B8\n:00000001FF\n", "line 1: not an Intel HEX record"},
        {":02000400424375\n:0100050042B8\n:00000001FF\n", "line 2: overlapping records"},
        {":01800000423D\n:00000001FF\n", "line 1: address outside the 32 KiB slot"},
        {":0100050042B8\n", "no end record"},
    };
    for (const Case& c : cases) {
        Bench b;
        b.Choose(3, kRate48k);
        const std::string file = b.dir.Write("bad.hex", c.text);
        b.box.ClearLog();
        EXPECT_FALSE(RestoreSet(b.session, b.ui, file));
        EXPECT_EQ(b.ui.messages,
                  std::vector<std::string>{"Restore refused: " + file + ", " + c.why});
        EXPECT_TRUE(b.box.Log().empty()) << c.text;
    }
    Bench b;
    EXPECT_FALSE(RestoreSet(b.session, b.ui, (b.dir.path() / "none.hex").string()));
    EXPECT_EQ(b.ui.messages.size(), 1u);
    EXPECT_TRUE(b.box.Log().size() <= 1u);  // the ping of the connection check
}

TEST(BackupRestore, ErasedSetGivesNoBackup) {
    Bench b;
    b.Choose(2, kRate48k);
    const std::string file = (b.dir.path() / "empty.hex").string();
    EXPECT_FALSE(BackupSet(b.session, b.ui, file));
    EXPECT_EQ(b.ui.messages,
              std::vector<std::string>{"Set 3 at 48 kHz holds no program: nothing to back up"});
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(Cancel, AtHalfWayStopsBetweenTelegramsAndTheNextWriteRepairs) {
    Bench b;
    b.ui.cancelAt = 0.5;
    EXPECT_FALSE(b.FilterTo(2, kRate48k));
    EXPECT_EQ(b.ui.messages, std::vector<std::string>{
                                 "Set 3 at 48 kHz: cancelled while writing the filter (50 %). "
                                 "The set is incomplete: write it again."});
    EXPECT_EQ(b.ui.statusLines, b.ui.messages);
    EXPECT_FALSE(b.box.SelectedSet());
    EXPECT_EQ(b.ui.progressEnds, 1);
    EXPECT_EQ(b.ui.busyChanges.back(), false);
    const std::size_t sent = b.box.Log().size();
    EXPECT_GT(sent, 7u + 500u);
    EXPECT_LT(sent, 7u + 1126u);

    b.ui = {};
    ASSERT_TRUE(b.FilterTo(2, kRate48k));
    EXPECT_EQ(b.box.SelectedSet(), 2);
}

TEST(Cancel, RoomPathNeverLeavesTheBusyBitSet) {
    Bench b;
    b.room = true;
    b.ui.cancelAt = 0.5;
    EXPECT_FALSE(b.FilterTo(1, kRate48k));
    EXPECT_EQ(b.ui.messages, std::vector<std::string>{"Cancelled: Set 2 at 48 kHz was written "
                                                      "but not verified"});
    EXPECT_EQ(b.box.ModeWord() & kModeBusy, 0);
    b.ui = {};
    b.ui.cancelAt = 0.25;
    EXPECT_FALSE(b.FilterTo(1, kRate48k));
    EXPECT_EQ(b.box.ModeWord() & kModeBusy, 0);
    EXPECT_EQ(b.ui.messages.size(), 1u);
}

TEST(SilentBox, FallingSilentInTheReadBackEndsWithItsMessage) {
    // Ping, 7 erases, 1126 writes, then the box stops half-way through the read-back.
    Bench b("silent=" + std::to_string(1 + 7 + 1126 + 500));
    const auto start = b.clock.Now();
    EXPECT_FALSE(b.FilterTo(2, kRate48k));
    EXPECT_EQ(b.ui.messages,
              std::vector<std::string>{"Set 3 at 48 kHz: the box stopped answering while verifying "
                                       "the filter (72 %). The set is written but not verified: "
                                       "write it again."});
    EXPECT_LT(b.clock.Now() - start, milliseconds(5000));

    Bench backup("silent=40", true);
    backup.Choose(0, kRate44k1);
    EXPECT_FALSE(BackupSet(backup.session, backup.ui, (backup.dir.path() / "x.hex").string()));
    EXPECT_EQ(backup.ui.messages,
              std::vector<std::string>{
                  "Verify failed: no answer from Set 1 at 44.1 kHz while reading back"});
}

}  // namespace
}  // namespace qv
