#include "dsp_dialogs/set_chooser.h"

#include <gtest/gtest.h>

#include "dsp_test_doubles.h"
#include "dsplink/clock.h"

namespace qv {
namespace {

struct ChooserFixture : ::testing::Test {
    test::SilentDevice device;
    FakeClock clock;
    DspSession session{device, clock};
    SetChooserLogic chooser{session.chooserState()};

    int EnabledCount() const {
        int n = 0;
        for (std::uint8_t k = 0; k < kChooserSets; ++k)
            for (std::uint8_t r = 0; r < kChooserRates; ++r) n += chooser.Enabled({k, r});
        return n;
    }
};

TEST_F(ChooserFixture, ButtonNamesAndCaptionsFollowSetAndRate) {
    EXPECT_EQ(ChooserButtonName({0, 0}), "RadioButtonSet0_0");
    EXPECT_EQ(ChooserButtonName({7, 2}), "RadioButtonSet7_2");
    EXPECT_EQ(ChooserButtonCaption(kRate33k), "33");
    EXPECT_EQ(ChooserButtonCaption(kRate44k1), "44.1");
    EXPECT_EQ(ChooserButtonCaption(kRate48k), "48 kHz");
    EXPECT_EQ(ChooserButtonCaption(kChooserColumnRates[0]), "33");
}

TEST_F(ChooserFixture, RightAfterStartEveryButtonIsOfferedAndSet1At44k1IsChecked) {
    chooser.FormShow();
    EXPECT_EQ(EnabledCount(), 24);
    EXPECT_EQ(chooser.Checked(), (SetChoice{0, kRate44k1}));
    EXPECT_EQ(chooser.Pending(), (SetChoice{0, kRate44k1}));
}

TEST_F(ChooserFixture, RateLockedOffersOnlyTheButtonsOfTheChosenRate) {
    session.LockRate(true);
    for (std::uint8_t rate = 0; rate < kChooserRates; ++rate) {
        session.Choose({4, rate});
        chooser.FormShow();
        EXPECT_EQ(EnabledCount(), 8) << int(rate);
        for (std::uint8_t k = 0; k < kChooserSets; ++k)
            for (std::uint8_t r = 0; r < kChooserRates; ++r)
                EXPECT_EQ(chooser.Enabled({k, r}), r == rate);
        EXPECT_EQ(chooser.Checked(), (SetChoice{4, rate}));
        // A locked-out button cannot be chosen.
        chooser.ButtonClick({1, static_cast<std::uint8_t>((rate + 1) % 3)});
        EXPECT_EQ(chooser.Pending(), (SetChoice{4, rate}));
        const char* khz[] = {"44.1", "48", "33"};  // by rate code
        EXPECT_EQ(chooser.LockReason(), "Set 5 holds a " + std::string(khz[rate]) +
                                            " kHz setup: a write keeps its rate.");
    }
    session.LockRate(false);
    chooser.FormShow();
    EXPECT_EQ(EnabledCount(), 24);
    EXPECT_EQ(chooser.LockReason(), "");
}

TEST_F(ChooserFixture, OkTakesThePendingChoiceCancelKeepsTheOldOne) {
    chooser.FormShow();
    chooser.ButtonClick({2, kRate33k});
    chooser.ButtonOkClick();
    EXPECT_EQ(session.state().ChosenSet(), 2);
    EXPECT_EQ(session.state().ChosenRate(), kRate33k);
    EXPECT_EQ(session.state().SlotCode(), 10);

    chooser.FormShow();
    chooser.ButtonClick({4, kRate48k});
    EXPECT_EQ(chooser.Checked(), (SetChoice{4, kRate48k}));
    // Cancel: nothing is taken over; the next showing checks the old choice.
    EXPECT_EQ(session.state().ChosenSet(), 2);
    chooser.FormShow();
    EXPECT_EQ(chooser.Checked(), (SetChoice{2, kRate33k}));
    EXPECT_EQ(chooser.Pending(), (SetChoice{2, kRate33k}));
}

TEST_F(ChooserFixture, ParameterBaseFollowsTheCheckedButtonNotTheChoice) {
    chooser.FormShow();
    EXPECT_EQ(chooser.ParameterBase(), 0);
    chooser.ButtonClick({1, kRate33k});
    EXPECT_EQ(chooser.ParameterBase(), 32768);
    // Cancelled: the button stays checked while the dialog is hidden.
    EXPECT_EQ(session.state().ChosenSet(), 0);
    EXPECT_EQ(session.state().ParameterBase(), 32768);
    chooser.FormShow();
    EXPECT_EQ(chooser.ParameterBase(), 0);
    chooser.ButtonClick({1, kRate48k});
    EXPECT_EQ(chooser.ParameterBase(), 0);
}

TEST_F(ChooserFixture, AChoiceOutsideTheButtonsChecksNoneOfThem) {
    chooser.FormShow();
    chooser.ButtonClick({6, kRate48k});
    chooser.ButtonOkClick();
    session.SetRate(3);
    chooser.FormShow();
    EXPECT_EQ(chooser.Checked(), (SetChoice{6, kRate48k}));
    EXPECT_EQ(chooser.Pending(), (SetChoice{6, 3}));
}

TEST_F(ChooserFixture, ChoiceFromButtonsReadsTheButtonsNotThePendingChoice) {
    chooser.FormShow();
    chooser.ButtonClick({5, kRate33k});
    EXPECT_EQ(session.ChoiceFromButtons(), 22);
    EXPECT_EQ(session.state().ChosenSet(), 5);
    EXPECT_EQ(session.state().ChosenRate(), kRate33k);
}

}  // namespace
}  // namespace qv
