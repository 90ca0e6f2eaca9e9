// The curve dialogs as the user meets them: captions, the key filter of the
// constant field, the messages, and that every dialog keeps its controls.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "app/SetupHardware.h"
#include "app/about.h"
#include "app/addconstant.h"
#include "app/cutimpuls.h"
#include "app/mulconstant.h"
#include "tests/support/test_support.h"
#include "tests/support/window_parts.h"

namespace qv {
namespace {

using test::Shoot;

class ConstantDialogs : public ::testing::Test {
  protected:
    void SetUp() override { FillDesiredCurve(ws[FrequencyResponseDiagram], 10); }
    std::vector<double> DesiredYs() const {
        std::vector<double> ys;
        for (const CurvePoint& p : ws[FrequencyResponseDiagram].Slot(1).points) ys.push_back(p.y);
        return ys;
    }
    Workspace ws;
    test::ScriptedUserInterface ui;
};

TEST_F(ConstantDialogs, CaptionsControlsAndStartTexts) {
    TAddConstDlg add(ws, ui);
    TMulConstDlg mul(ws, ui);
    EXPECT_EQ(add.windowTitle(), "ADD CONSTANT");
    EXPECT_EQ(mul.windowTitle(), "MUL CONSTANT");
    EXPECT_EQ(add.Edit1->text(), "0");
    EXPECT_EQ(mul.Edit1->text(), "1");
    for (TConstantDlg* dlg : {static_cast<TConstantDlg*>(&add), static_cast<TConstantDlg*>(&mul)}) {
        EXPECT_EQ(dlg->Label1->text(), "Value:");
        EXPECT_EQ(dlg->OKBtn->text(), "OK");
        EXPECT_TRUE(dlg->OKBtn->isDefault());
        EXPECT_EQ(dlg->CancelBtn->text(), "Abbrechen");
        EXPECT_EQ(dlg->findChild<QLineEdit*>(QStringLiteral("Edit1")), dlg->Edit1);
    }
    Shoot(add, "addconstant.png");
    Shoot(mul, "mulconstant.png");
}

TEST_F(ConstantDialogs, KeyFilterDropsEveryOtherCharacter) {
    TAddConstDlg dlg(ws, ui);
    dlg.Edit1->clear();
    QTest::keyClicks(dlg.Edit1, QStringLiteral("a1,5x-E.2 +e9"));
    EXPECT_EQ(dlg.Edit1->text(), "15-.29");
    QTest::keyClick(dlg.Edit1, Qt::Key_Backspace);
    QTest::keyClick(dlg.Edit1, Qt::Key_Home);
    QTest::keyClick(dlg.Edit1, Qt::Key_Delete);
    EXPECT_EQ(dlg.Edit1->text(), "5-.2");
    QTest::keyClick(dlg.Edit1, Qt::Key_Udiaeresis, Qt::NoModifier);
    EXPECT_EQ(dlg.Edit1->text(), "5-.2");
}

// Text that is not typed key by key (pasted with Ctrl+V or Shift+Insert,
// inserted by a drop) passes the same rule as typed keys.
TEST_F(ConstantDialogs, PastedTextPassesTheKeyFilter) {
    TMulConstDlg dlg(ws, ui);
    QGuiApplication::clipboard()->setText(QStringLiteral("a1,5\u20ACx-E.2 +e9\n"));
    dlg.Edit1->clear();
    QTest::keyClick(dlg.Edit1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dlg.Edit1->text().toStdString(), "15-.29");
    QTest::keyClick(dlg.Edit1, Qt::Key_Home);
    QTest::keyClick(dlg.Edit1, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(dlg.Edit1->text().toStdString(), "15-.2915-.29");
    EXPECT_EQ(dlg.Edit1->cursorPosition(), 6);  // after the kept characters
    dlg.Edit1->insert(QStringLiteral("x7y"));
    EXPECT_EQ(dlg.Edit1->text().toStdString(), "15-.29715-.29");
    // Alt and Meta do not open a way round the filter either.
    QTest::keyClick(dlg.Edit1, Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(dlg.Edit1, Qt::Key_E, Qt::MetaModifier);
    EXPECT_EQ(dlg.Edit1->text().toStdString(), "15-.29715-.29");
}

TEST_F(ConstantDialogs, EnterRunsTheOperationAndRepaints) {
    TAddConstDlg dlg(ws, ui);
    int repaints = 0;
    dlg.SetRepaint([&] { ++repaints; });
    dlg.show();
    dlg.Edit1->setText(QString());
    QTest::keyClicks(dlg.Edit1, QStringLiteral("-6"));
    QTest::keyClick(dlg.Edit1, Qt::Key_Return);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(DesiredYs(), (std::vector<double>{-6, -6}));
    EXPECT_EQ(repaints, 1);
    EXPECT_TRUE(ui.messages.empty());
}

struct MessageCase {
    QString text;
    std::vector<std::string> messages;
    std::vector<std::string> errors;
};

TEST_F(ConstantDialogs, BadTextsReportAndCloseWithoutChangingTheCurve) {
    const MessageCase cases[] = {
        {QStringLiteral("6-"), {"Fehler im Ausdruck"}, {}},
        {QString(), {"Fehler im Ausdruck"}, {}},
        {QStringLiteral("1") + QString(400, QLatin1Char('0')),
         {},
         {"Problem: Wertebereich überschritten"}},
    };
    TMulConstDlg dlg(ws, ui);
    int repaints = 0;
    dlg.SetRepaint([&] { ++repaints; });
    for (const MessageCase& c : cases) {
        ui.messages.clear();
        ui.errors.clear();
        dlg.setResult(QDialog::Rejected);
        dlg.Edit1->setText(c.text);
        dlg.OKBtn->click();
        EXPECT_EQ(dlg.result(), QDialog::Accepted) << c.text.toStdString();
        EXPECT_EQ(ui.messages, c.messages) << c.text.toStdString();
        EXPECT_EQ(ui.errors, c.errors) << c.text.toStdString();
    }
    EXPECT_EQ(DesiredYs(), (std::vector<double>{0, 0}));
    EXPECT_EQ(repaints, 0);
}

TEST_F(ConstantDialogs, EveryShowingAndPaintPutsTheFocusIntoTheField) {
    TMulConstDlg dlg(ws, ui);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_EQ(dlg.focusWidget(), dlg.Edit1);
    dlg.OKBtn->setFocus();
    ASSERT_EQ(dlg.focusWidget(), dlg.OKBtn);
    dlg.repaint();
    EXPECT_EQ(dlg.focusWidget(), dlg.Edit1);
}

TEST_F(ConstantDialogs, CancelChangesNothingAndTheTextStaysForTheNextShowing) {
    TAddConstDlg dlg(ws, ui);
    QTimer::singleShot(0, &dlg, [&] {
        dlg.Edit1->setText(QStringLiteral("3"));
        dlg.CancelBtn->click();
    });
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_EQ(DesiredYs(), (std::vector<double>{0, 0}));
    QTimer::singleShot(0, &dlg, [&] {
        EXPECT_EQ(dlg.Edit1->text(), "3");
        dlg.OKBtn->click();
    });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(DesiredYs(), (std::vector<double>{3, 3}));
}

class CutDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        PointList impulse;
        for (int k = 0; k < 1800; ++k) AppendPoint(impulse, k, k % 7);
        SetSlot(ws[ImpulseResponseDiagram], 1, "Impuls", impulse);
    }
    Workspace ws;
    int fits = 0;
};

TEST_F(CutDialog, ControlsRangesAndStartValues) {
    TCutImpulsDlg dlg(ws, [this](Diagram&) { ++fits; });
    EXPECT_EQ(dlg.windowTitle(), "Cut Impuls");
    for (QSpinBox* upDown : {dlg.UpDownFrom, dlg.UpDownTo}) {
        EXPECT_EQ(upDown->minimum(), 0);
        EXPECT_EQ(upDown->maximum(), 10000);
        EXPECT_FALSE(upDown->wrapping());
    }
    EXPECT_EQ(dlg.UpDownFrom->value(), 0);
    EXPECT_EQ(dlg.UpDownTo->value(), 500);
    EXPECT_EQ(dlg.EditFrom->objectName(), "EditFrom");
    EXPECT_EQ(dlg.EditTo->text(), "500");
    EXPECT_EQ(dlg.OKBtn->text(), "OK");
    EXPECT_TRUE(dlg.OKBtn->isDefault());
    EXPECT_EQ(dlg.CancelBtn->text(), "Cancel");
    dlg.UpDownTo->stepBy(20000);
    EXPECT_EQ(dlg.UpDownTo->value(), 10000);
    Shoot(dlg, "cutimpuls.png");
}

TEST_F(CutDialog, TypedPositionsCutAndSwitchToTheImpulseDiagram) {
    TCutImpulsDlg dlg(ws, [this](Diagram&) { ++fits; });
    int repaints = 0;
    dlg.SetRepaint([&] { ++repaints; });
    dlg.show();
    dlg.EditFrom->selectAll();
    QTest::keyClicks(dlg.EditFrom, QStringLiteral("100"));
    dlg.EditTo->selectAll();
    QTest::keyClicks(dlg.EditTo, QStringLiteral("199"));
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(ws.CurrentDiagram, ImpulseResponseDiagram);
    const PointList& cut = ws[ImpulseResponseDiagram].Slot(1).points;
    ASSERT_EQ(cut.size(), 100u);
    EXPECT_EQ(cut.front(), (CurvePoint{0, 100 % 7}));
    EXPECT_EQ(cut.back(), (CurvePoint{99, 199 % 7}));
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(fits, 1);
    // The positions stay for the next showing.
    EXPECT_EQ(dlg.UpDownFrom->value(), 100);
    EXPECT_EQ(dlg.UpDownTo->value(), 199);
}

TEST_F(CutDialog, CancelCutsNothing) {
    TCutImpulsDlg dlg(ws, [this](Diagram&) { ++fits; });
    QTimer::singleShot(0, &dlg, [&] { dlg.CancelBtn->click(); });
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_EQ(ws.CurrentDiagram, FrequencyResponseDiagram);
    EXPECT_EQ(ws[ImpulseResponseDiagram].Slot(1).points.size(), 1800u);
}

TEST(AboutBox, ShowsProductAndVersion) {
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), "Info");
    EXPECT_EQ(box.ProductName->text(), "QUORVANE");
    EXPECT_EQ(box.Version->text(), "Version  3.042");
    EXPECT_FALSE(box.ProgramIcon->pixmap().isNull());
    EXPECT_EQ(box.OKButton->text(), "OK");
    Shoot(box, "about.png");
    QTimer::singleShot(0, &box, [&] { box.OKButton->click(); });
    EXPECT_EQ(box.exec(), QDialog::Accepted);
}

TEST(SetUpHardwareDlg, GroupsChoicesAndKeptSelection) {
    TSetUpHardwareDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Setup DSP Hardware");
    const std::vector<std::pair<QString, QStringList>> expected = {
        {" DSP Synchronisation ",
         {"Sample Rate Conversion Sync. ", "Digital Lense Synchronisation",
          "Crossover Synchronisation"}},
        {" DSP Output", {"SPDIF ", "I2S activ (own Framesync)", "I2S passive (extern Framesync)"}},
        {" DSP Oszillator Frequency ", {"24.576 MHz (48kHz, DAT)", "16 MHz (44.1 kHz, CD)"}},
        {" DSP I2S Output Format ",
         {"Leftjustified ( e.g. WM8741)", "Rightjustified ( e.g. PCM1704)"}},
        {" DSP Sample Rate Frequency ", {"44.1 kHz", "48 kHz", "88.2 kHz", "96 kHz"}},
    };
    ASSERT_EQ(expected.size(), dlg.groups.size());
    for (std::size_t g = 0; g < expected.size(); ++g) {
        EXPECT_EQ(dlg.groups[g]->title(), expected[g].first);
        QStringList captions;
        for (QRadioButton* b : dlg.choices[g]) captions << b->text();
        EXPECT_EQ(captions, expected[g].second);
    }
    EXPECT_EQ(dlg.OKBtn->text(), "OK");
    EXPECT_EQ(dlg.CancelBtn->text(), "Abbrechen");
    Shoot(dlg, "setuphardware.png");

    // One choice per group, and it survives Cancel and the next showing.
    QTimer::singleShot(0, &dlg, [&] {
        dlg.choices[4][3]->click();
        dlg.CancelBtn->click();
    });
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_TRUE(dlg.choices[4][3]->isChecked());
    EXPECT_FALSE(dlg.choices[4][0]->isChecked());
    EXPECT_TRUE(dlg.choices[0][0]->isChecked());
}

}  // namespace
}  // namespace qv
