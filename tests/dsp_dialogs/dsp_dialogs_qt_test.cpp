#include <gtest/gtest.h>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "dsp_dialogs/dialog_widgets.h"
#include "dsp_dialogs/setupdsp.h"
#include "dsp_dialogs/setupdspvolume.h"
#include "dsp_dialogs/storedatato.h"
#include "dsp_test_doubles.h"
#include "dspbox/virtual_dsp_box.h"
#include "dsplink/clock.h"
#include "qt_app.h"
#include "tests/support/test_support.h"

// The font library keeps its caches for the whole process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace qv {
namespace {

template <class T>
T* Child(QWidget* parent, const char* name) {
    T* w = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QString Text(QWidget* parent, const char* name) {
    if (auto* e = parent->findChild<QLineEdit*>(QString::fromLatin1(name))) return e->text();
    if (auto* l = parent->findChild<QLabel*>(QString::fromLatin1(name))) return l->text();
    ADD_FAILURE() << name;
    return {};
}

struct WithQtApp {
    WithQtApp() { test::QtApp(); }
};

struct QtDialogs : ::testing::Test, WithQtApp {
    test::SilentDevice device;
    FakeClock clock;
    DspSession session{device, clock};
    test::ScriptedUserInterface ui;
    std::uint8_t comPort = 1;
    TStoreDataToDlg chooser{session.chooserState()};
};

TEST_F(QtDialogs, ChooserShowsEightFramesOfThreeNamedButtons) {
    EXPECT_EQ(chooser.windowTitle(), "Choose Set");
    auto* all = Child<QGroupBox>(&chooser, "GroupBoxChooseSet");
    EXPECT_EQ(all->title(), " Choose Set with Sample Frequency ");
    chooser.show();
    QCoreApplication::processEvents();
    int lastFrameY = -1;
    for (std::uint8_t k = 0; k < kChooserSets; ++k) {
        auto* frame = Child<QGroupBox>(&chooser, ("GroupBoxSet" + std::to_string(k)).c_str());
        EXPECT_EQ(frame->title(), QStringLiteral(" Set %1 ").arg(k + 1));
        EXPECT_GT(frame->y(), lastFrameY);
        lastFrameY = frame->y();
        int lastX = -1;
        for (std::uint8_t rate : kChooserColumnRates) {
            QRadioButton* b = chooser.button({k, rate});
            EXPECT_EQ(b->objectName().toStdString(), ChooserButtonName({k, rate}));
            EXPECT_EQ(b->parentWidget(), frame);
            EXPECT_GT(b->x(), lastX);
            lastX = b->x();
        }
    }
    EXPECT_EQ(chooser.button({1, kRate33k})->text(), "33");
    EXPECT_EQ(chooser.button({1, kRate44k1})->text(), "44.1");
    EXPECT_EQ(chooser.button({1, kRate48k})->text(), "48 kHz");
    EXPECT_TRUE(chooser.button({0, kRate44k1})->isChecked());
    EXPECT_TRUE(chooser.okButton()->isDefault());
    test::SaveShot(&chooser, "choose_set");
    chooser.hide();
}

TEST_F(QtDialogs, ChooserUnderRateLockOffersOneColumnAndOkTakesTheClick) {
    session.Choose({3, kRate48k});
    session.LockRate(true);
    int enabled = -1;
    bool checkedCurrent = false;
    test::WhenModal([&](QWidget*) {
        enabled = 0;
        for (std::uint8_t k = 0; k < kChooserSets; ++k)
            for (std::uint8_t r = 0; r < kChooserRates; ++r)
                enabled += chooser.button({k, r})->isEnabled() ? 1 : 0;
        checkedCurrent = chooser.button({3, kRate48k})->isChecked();
        test::SaveShot(&chooser, "choose_set_locked");
        QTest::mouseClick(chooser.button({6, kRate48k}), Qt::LeftButton);
        QTest::mouseClick(chooser.okButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(session.ChooseSet(chooser));
    EXPECT_EQ(enabled, 8);
    EXPECT_TRUE(checkedCurrent);
    EXPECT_EQ(session.state().ChosenSet(), 6);
    EXPECT_EQ(session.state().ChosenRate(), kRate48k);
}

TEST_F(QtDialogs, ChooserCancelKeepsTheChoiceAndTheNextShowingChecksItAgain) {
    test::WhenModal([&](QWidget*) {
        QTest::mouseClick(chooser.button({4, kRate48k}), Qt::LeftButton);
        EXPECT_FALSE(chooser.button({0, kRate44k1})->isChecked());
        QTest::keyClick(&chooser, Qt::Key_Escape);
    });
    EXPECT_FALSE(session.ChooseSet(chooser));
    EXPECT_EQ(session.state().ChosenSet(), 0);
    EXPECT_EQ(session.state().ChosenRate(), kRate44k1);
    bool again = false;
    test::WhenModal([&](QWidget*) {
        again = chooser.button({0, kRate44k1})->isChecked() &&
                !chooser.button({4, kRate48k})->isChecked();
        QTest::mouseClick(chooser.cancelButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(session.ChooseSet(chooser));
    EXPECT_TRUE(again);
}

TEST_F(QtDialogs, SetupDialogCreationAndTexts) {
    TSetupDSPDlg dlg(session, ui, comPort, nullptr, chooser);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"keine RS232-Verbindung zu DSP!"});
    EXPECT_EQ(dlg.windowTitle(), "Setup DSP Range");
    EXPECT_EQ(dlg.RadioButtonHigh->text(), "High        (00..24 kHz)");
    EXPECT_EQ(dlg.RadioButtonLow->text(), "Low         (00..1.5 kHz)");
    EXPECT_EQ(Child<QRadioButton>(&dlg, "ButtonAbtast44_1kHz")->text(), "44.1kHz");
    EXPECT_EQ(Child<QGroupBox>(&dlg, "GroupBoxVolumeRight")->title(), "Right Channel Volume ");
    EXPECT_EQ(Child<QGroupBox>(&dlg, "GroupBoxDelayLeft")->title(), "Left Channel Delay ");
    EXPECT_TRUE(Child<QPushButton>(&dlg, "ButtonWriteSetup")->isDefault());

    bool roomHidden = false;
    QString gain, level, sum, delayConst, delaySteps;
    test::WhenModal([&](QWidget*) {
        gain = Text(&dlg, "EditGainLeft");
        level = Text(&dlg, "EditDefaultLeft");
        sum = Text(&dlg, "EditSumRight");
        roomHidden = !dlg.CheckBoxRoomEqu->isVisible();
        dlg.SpinEditDelayLeft->setValue(5500);
        dlg.SpinEditDelayRight->setValue(5500);
        QTest::mouseClick(dlg.ButtonAbtast48kHz, Qt::LeftButton);
        dlg.SpinEditDelayLeft->setValue(480);
        delayConst = Text(&dlg, "LabelDelayLeftConst");
        delaySteps = Text(&dlg, "LabelDelayLeftSteps");
        test::SaveShot(&dlg, "setup_dsp_range");
        QTest::mouseClick(dlg.ButtonCancel, Qt::LeftButton);
    });
    const DspImage before = session.image();
    EXPECT_EQ(dlg.Execute(), QDialog::Rejected);
    EXPECT_EQ(gain, "  - 0.0");
    EXPECT_EQ(level, "  - 1.2");
    EXPECT_EQ(sum, "  - 1.2");
    EXPECT_TRUE(roomHidden);
    EXPECT_EQ(dlg.SpinEditDelayRight->value(), 5500);
    EXPECT_EQ(delayConst, "0.00 us");
    EXPECT_EQ(delaySteps, "10000.00 us");
    // Cancel: the 48 kHz click is undone in the image.
    EXPECT_EQ(GetSetupBlock(session.image()).sampleFrequency, 44100);
    EXPECT_EQ(session.image(), session.setup().Kept());
    (void)before;
}

TEST_F(QtDialogs, SetupDialogLeftSpinIsHeldAt5000) {
    TSetupDSPDlg dlg(session, ui, comPort, nullptr, chooser);
    test::WhenModal([&](QWidget*) {
        dlg.SpinEditDelayLeft->setValue(5500);
        EXPECT_EQ(dlg.SpinEditDelayLeft->value(), 5000);
        dlg.SpinEditDelayRight->setValue(5500);
        EXPECT_EQ(dlg.SpinEditDelayRight->value(), 5500);
        QToolButton* up = dlg.VolumeLeft->UpDownGain->upButton();
        QTest::mouseClick(up, Qt::LeftButton);
        QTest::mouseClick(up, Qt::LeftButton);
        EXPECT_EQ(Text(&dlg, "EditGainLeft"), "  - 0.2");
        EXPECT_EQ(Text(&dlg, "EditSumLeft"), "  - 1.4");
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.Execute(), QDialog::Rejected);
    // Escape is "Cancel": the image as it was on show.
    EXPECT_EQ(session.image(), session.setup().Kept());
}

TEST_F(QtDialogs, SetupDialogShowsAPortThatWillNotOpenInTheErrorBox) {
    device.refuseOpen = true;
    TSetupDSPDlg dlg(session, ui, comPort, nullptr, chooser);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].rfind("quorvane: Unable to open specified device /dev/ttyS0", 0), 0u)
        << ui.errors[0];
    EXPECT_EQ(session.profile().programFile, "quorvane.dat");
}

TEST_F(QtDialogs, VolumeDialogTextsAndCancel) {
    session.setup().Put(SetupStartValues());
    TSetupVolumeDlg dlg(session, ui, comPort, chooser);
    EXPECT_EQ(dlg.windowTitle(), "Setup DSP Volume");
    EXPECT_EQ(Child<QGroupBox>(&dlg, "GroupBoxVolumeRight")->title(), " Right Channel Volume ");
    EXPECT_EQ(dlg.VolumeLeft->UpDownDefault->maximum(), 255);
    QString level;
    test::WhenModal([&](QWidget*) {
        level = Text(&dlg, "EditDefaultRight");
        QTest::mouseClick(dlg.VolumeRight->UpDownDefault->downButton(), Qt::LeftButton);
        test::SaveShot(&dlg, "setup_dsp_volume");
        QTest::mouseClick(dlg.ButtonCancel, Qt::LeftButton);
    });
    EXPECT_EQ(dlg.Execute(), QDialog::Rejected);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"keine RS232-Verbindung zu DSP!"});
    EXPECT_EQ(level, "  - 1.2");
    EXPECT_EQ(GetSetupBlock(session.image()).defaultRight, 12);
}

// Both dialogs bind their volume frames alike: a typed gain is taken when
// its field is left and shows in the sum at once.
TEST_F(QtDialogs, BothDialogsTakeATypedGainWhenItsFieldIsLeft) {
    session.setup().Put(SetupStartValues());
    TSetupDSPDlg setup(session, ui, comPort, nullptr, chooser);
    TSetupVolumeDlg volume(session, ui, comPort, chooser);
    for (QDialog* dlg : {static_cast<QDialog*>(&setup), static_cast<QDialog*>(&volume)}) {
        auto* gain = Child<QLineEdit>(dlg, "EditGainLeft");
        gain->setText(QStringLiteral("-0.5"));
        Q_EMIT gain->editingFinished();
        EXPECT_EQ(Text(dlg, "EditGainLeft"), "  - 0.5") << dlg->windowTitle().toStdString();
        EXPECT_EQ(Text(dlg, "EditSumLeft"), "  - 0.5") << dlg->windowTitle().toStdString();
    }
}

TEST_F(QtDialogs, BothDialogsSayWhenASetHoldsNoSetup) {
    // What an erased set reads as: every byte of its setup block FF.
    DspImage erased = session.image();
    std::fill(erased.begin() + kSetupOffset, erased.end(), 0xFF);
    session.PlaceImage(erased);
    session.Choose({3, kRate48k});
    TSetupVolumeDlg volume(session, ui, comPort, chooser);
    QString notice, level;
    bool visible = false;
    test::WhenModal([&](QWidget*) {
        notice = Text(&volume, "LabelNoSetup");
        visible = volume.LabelNoSetup->isVisible();
        level = Text(&volume, "EditDefaultLeft");
        test::SaveShot(&volume, "setup_dsp_volume_no_setup");
        QTest::mouseClick(volume.ButtonCancel, Qt::LeftButton);
    });
    volume.Execute();
    EXPECT_EQ(notice, "Set 4 holds no setup yet");
    EXPECT_TRUE(visible);
    EXPECT_EQ(level, "  - 1.2");

    // The range dialog reads the set from an erased box.
    VirtualDspBox box(clock);
    DspSession boxSession(box, clock);
    boxSession.Choose({3, kRate48k});
    TStoreDataToDlg boxChooser{boxSession.chooserState()};
    TSetupDSPDlg setup(boxSession, ui, comPort, nullptr, boxChooser);
    test::WhenModal([&](QWidget*) {
        notice = Text(&setup, "LabelNoSetup");
        visible = setup.LabelNoSetup->isVisible();
        level = Text(&setup, "EditDefaultRight");
        test::SaveShot(&setup, "setup_dsp_range_no_setup");
        QTest::mouseClick(setup.ButtonCancel, Qt::LeftButton);
    });
    setup.Execute();
    EXPECT_EQ(notice, "Set 4 holds no setup yet");
    EXPECT_TRUE(visible);
    EXPECT_EQ(level, "  - 1.2");
    EXPECT_TRUE(setup.RadioButtonHigh->isChecked());
}

}  // namespace
}  // namespace qv
