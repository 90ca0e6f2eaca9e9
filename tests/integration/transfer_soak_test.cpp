// The reliability figure: filter, setup and restore transfers against the
// virtual box with a random fault from its list (drop, corrupt, silent after
// K answers, stuck cell, Cancel at a random point). Every run ends verified
// or with exactly one message naming the set; after a failed run "Undo Last
// Write" puts the set back byte for byte; on the fake clock nothing waits
// for long. QV_SOAK_RUNS sets the number of runs (a few dozen by default).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>

#include "dspbox/virtual_dsp_box.h"
#include "dsplink/apply_profile.h"
#include "dsplink/box_history.h"
#include "dsplink/dsp_protocol.h"
#include "dsplink/dsp_telegrams.h"
#include "dsplink/filter_transfer.h"
#include "dsplink/set_transfer.h"
#include "dsplink/set_write.h"
#include "tests/support/test_support.h"

namespace qv {
namespace {

int Runs() {
    const char* text = std::getenv("QV_SOAK_RUNS");
    return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : 36;
}

TEST(TransferSoak, EveryRunEndsVerifiedOrSaysSoAndUndoRestores) {
    FakeClock clock;
    DspBoxOptions options;
    options.factoryContents = true;
    options.logLimit = 16;
    VirtualDspBox box(clock, options);
    DspSession s(box, clock);
    test::TempDir dir;
    BoxHistory history(dir.path() / "history");
    s.SetHistory(&history);
    std::string program;
    for (int i = 0; i < 2000; ++i) program += "0x" + std::to_string(10 + i % 90) + "\r\n";
    dir.Write("quorvane.dat", program);
    s.SetProgramDirectory(dir.path().string());
    {
        test::ScriptedUserInterface ui;
        ApplyProfile(s, 1, 0, 48000, nullptr, ui);
        ASSERT_TRUE(CheckDspConnection(s.link(), ui, 1));
    }
    HexSlotImage backup;
    for (std::size_t o = 0; o < 1500; ++o) backup.Put(o, static_cast<std::uint8_t>(o * 7));
    backup.Put(kImageLengthOffset, 1500 & 0xFF);
    backup.Put(kImageLengthOffset + 1, 1500 >> 8);
    for (std::size_t o = kSetupOffset; o < kSetupOffset + kSetupSize; ++o) backup.Put(o, 0x11);
    const std::string backupFile = dir.File("set.hex");
    WriteIntelHexFile(backupFile, backup);

    std::mt19937 random(20261209);
    auto pick = [&](int from, int to) { return std::uniform_int_distribution(from, to)(random); };
    const char* kFaults[] = {"none", "drop", "corrupt", "silent", "stuck-cell", "cancel"};
    const char* kOps[] = {"filter", "setup", "restore"};
    std::map<std::string, int> outcomes;
    const int runs = Runs();
    for (int run = 0; run < runs; ++run) {
        const int op = pick(0, 2);
        const int fault = pick(0, 5);
        const std::uint8_t set = static_cast<std::uint8_t>(pick(0, 7));
        const std::uint8_t rate = static_cast<std::uint8_t>(pick(0, 1));
        SCOPED_TRACE("run " + std::to_string(run) + ": " + kOps[op] + ", " + kFaults[fault]);
        s.ChooseSet(FixedSetChooser({set, rate}));
        auto holds = [&] {
            DspImage image;
            const auto slot = box.FlashSlot(set, rate);
            std::copy(slot.begin(), slot.end(), image.begin());
            return SlotContents(image);
        };
        const HexSlotImage before = holds();
        // Answers of one run: a few thousand at most with this program.
        const int k = pick(1, 2500);
        std::string spec;
        if (fault == 1) spec = "drop=" + std::to_string(k);
        if (fault == 2) spec = "corrupt=" + std::to_string(k);
        if (fault == 3) spec = "silent=" + std::to_string(k);
        if (fault == 4) {
            spec = "stuck-cell=" +
                   std::to_string(op == 1 ? pick(kSetupOffset, kSetupOffset + 16) : pick(0, 1400));
        }
        box.SetFaults(ParseFaultSpec(spec));
        test::ScriptedUserInterface ui;
        if (fault == 5) ui.cancelAt = pick(1, 99) / 100.0;
        const auto start = clock.Now();
        bool ok = false;
        if (op == 0) {
            PointList filter;
            for (int i = 0; i < 1800; ++i)
                filter.push_back({double(i), std::sin(i * 0.01 + run) * 0.5});
            ok = EqualizerPath(s, ui, filter);
        } else if (op == 1) {
            SetupBlock b = SetupStartValues();
            b.gainLeft = static_cast<std::uint16_t>(pick(0, 400));
            b.sampleFrequency = RateFrequency(rate);
            s.setup().Put(b);
            ok = WriteSetupSequence(s, ui);
        } else {
            ok = RestoreSet(s, ui, backupFile);
        }
        EXPECT_LT(clock.Now() - start, std::chrono::minutes(10));
        box.SetFaults({});
        if (ok) {
            ASSERT_TRUE(ui.messages.empty()) << ui.messages[0];
            ASSERT_EQ(ui.statusLines.size(), 1u);
            EXPECT_TRUE(ui.statusLines[0].ends_with(", verified"));
            ++outcomes["verified"];
            continue;
        }
        ASSERT_EQ(ui.messages.size(), 1u);
        const std::string& m = ui.messages[0];
        EXPECT_NE(m.find(SetText(set, rate)), std::string::npos) << m;
        ++outcomes[std::string("failed, ") + kFaults[fault]];
        if (m.ends_with("The set is unchanged.")) {
            EXPECT_EQ(holds(), before);
            ++outcomes["unchanged"];
            continue;
        }
        test::ScriptedUserInterface undo;
        ASSERT_TRUE(RestoreFromHistory(s, undo, 1)) << m << " / " << undo.messages[0];
        ASSERT_EQ(holds(), before) << m;
        ++outcomes["undone"];
    }
    std::string summary = std::to_string(runs) + " runs:";
    for (const auto& [what, count] : outcomes) summary += " " + what + " " + std::to_string(count);
    std::cout << summary << "\n";
    RecordProperty("outcomes", summary);
}

}  // namespace
}  // namespace qv
