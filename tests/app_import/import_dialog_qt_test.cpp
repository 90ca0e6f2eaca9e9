// The "Import Measurement" dialog as the user meets it, on the offscreen
// platform: what it shows for each kind of file, how its fields steer OK,
// and the whole command from the File menu through OK and Cancel.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/average_measurements_dlg.h"
#include "app/editor_shell.h"
#include "app/import_measurement_dlg.h"
#include "app/qt_user_interface.h"
#include "dsplink/dsp_session.h"
#include "tests/support/test_support.h"
#include "tests/support/window_parts.h"

namespace qv {
namespace {

using test::TempDir;

using test::Shoot;

const std::string kPairs =
    "\"On Axis\"\t\t\"Sound Power\"\t\n\"Frequency [Hz]\"\t\"SPL [dB]\"\t\"Frequency [Hz]\"\t"
    "\"SPL [dB]\"\n100\t80\t100\t70\n200\t81\t200\t71\n300\t82\t300\t72\n";
const std::string kImpulse = "0\n0\n0.5\n0.25\n0.125\n0.0625\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n";

QString Report(const TImportMeasurementDlg& dlg) {
    return dlg.MemoReport->toPlainText();
}

TEST(ImportDialog, ResponseWithPairs) {
    TempDir dir;
    ImportDialogRules rules(dir.Write("spin.txt", kPairs));
    TImportMeasurementDlg dlg;
    dlg.Bind(rules);
    dlg.Update();
    EXPECT_EQ(dlg.windowTitle(), "Import Measurement");
    EXPECT_EQ(dlg.LabelFile->text(), "spin.txt");
    EXPECT_FALSE(dlg.ComboBoxPair->isHidden());
    EXPECT_TRUE(dlg.ComboBoxPair->isEnabled());
    ASSERT_EQ(dlg.ComboBoxPair->count(), 2);
    EXPECT_EQ(dlg.ComboBoxPair->itemText(1), "Sound Power (columns 3, 4)");
    EXPECT_TRUE(dlg.ComboBoxChannel->isHidden());
    EXPECT_TRUE(dlg.Options->EditRate->isHidden());
    EXPECT_TRUE(dlg.Options->CheckBoxGate->isHidden());
    EXPECT_TRUE(Report(dlg).contains("Column pair 1 of 2: On Axis"));
    EXPECT_TRUE(dlg.OKBtn->isEnabled());
    EXPECT_EQ(dlg.OKBtn->text(), "OK");
    EXPECT_EQ(dlg.CancelBtn->text(), "Cancel");
    dlg.ComboBoxPair->setCurrentIndex(1);
    EXPECT_TRUE(Report(dlg).contains("Column pair 2 of 2: Sound Power"));
    EXPECT_EQ(rules.result().level.front().y, 70.0);
    Shoot(dlg, "import_pairs.png");
}

TEST(ImportDialog, TextImpulseWaitsForItsRate) {
    TempDir dir;
    ImportDialogRules rules(dir.Write("ir.txt", kImpulse));
    TImportMeasurementDlg dlg;
    dlg.Bind(rules);
    dlg.Update();
    EXPECT_TRUE(dlg.ComboBoxPair->isHidden());
    EXPECT_FALSE(dlg.Options->EditRate->isHidden());
    EXPECT_FALSE(dlg.Options->CheckBoxGate->isHidden());
    EXPECT_FALSE(dlg.Options->EditGateFrom->isEnabled());
    EXPECT_FALSE(dlg.OKBtn->isEnabled());
    EXPECT_TRUE(Report(dlg).contains("Give the sample rate"));

    QTest::keyClicks(dlg.Options->EditRate, QStringLiteral("96000"));
    Q_EMIT dlg.Options->EditRate->editingFinished();
    EXPECT_TRUE(dlg.OKBtn->isEnabled()) << Report(dlg).toStdString();
    EXPECT_TRUE(Report(dlg).contains("96000 Hz"));

    dlg.Options->CheckBoxGate->setChecked(true);
    EXPECT_TRUE(dlg.Options->EditGateFrom->isEnabled());
    EXPECT_TRUE(Report(dlg).contains("Gate -1 to 5 ms"));
    dlg.Options->EditGateFrom->setText(QStringLiteral("300"));
    dlg.Options->EditGateTo->setText(QStringLiteral("400"));
    dlg.OKBtnClick();  // takes the fields first, then refuses
    EXPECT_FALSE(dlg.OKBtn->isEnabled());
    EXPECT_TRUE(Report(dlg).contains("outside the impulse"));
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    Shoot(dlg, "import_text_impulse.png");
}

TEST(ImportDialog, AudioImpulseOffersItsChannels) {
    TempDir dir;
    const std::string path = dir.File("two.wav");
    SF_INFO info{};
    info.samplerate = 48000;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    std::vector<float> frames(2 * 256, 0.0f);
    frames[2 * 4] = 0.5f;      // channel 1: at sample 4
    frames[2 * 9 + 1] = 0.5f;  // channel 2: at sample 9
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr);
    sf_writef_float(f, frames.data(), 256);
    sf_close(f);

    ImportDialogRules rules(path);
    TImportMeasurementDlg dlg;
    dlg.Bind(rules);
    dlg.Update();
    EXPECT_FALSE(dlg.ComboBoxChannel->isHidden());
    ASSERT_EQ(dlg.ComboBoxChannel->count(), 2);
    EXPECT_TRUE(dlg.Options->EditRate->isHidden());
    EXPECT_NEAR(rules.result().groupDelay.front().y, -1000.0 * 4 / 48000, 1e-9);
    dlg.ComboBoxChannel->setCurrentIndex(1);
    EXPECT_NEAR(rules.result().groupDelay.front().y, -1000.0 * 9 / 48000, 1e-9);
    EXPECT_TRUE(Report(dlg).contains("channel 2 of 2"));
}

// The average dialog reads its impulse fields through the same options box:
// a field left after editing reaches the rules, a filled-in box does not
// count as an edit, and the times stay off until their box is ticked.
TEST(AverageDialog, ImpulseFieldsReachTheRules) {
    AverageDialogRules rules;
    TAverageMeasurementsDlg dlg;
    dlg.Bind(rules);
    EXPECT_EQ(dlg.windowTitle(), "Average Measurements");
    EXPECT_FALSE(dlg.Options->EditGateFrom->isEnabled());
    EXPECT_FALSE(dlg.Options->EditFdw->isEnabled());
    EXPECT_EQ(dlg.Options->EditFdw->text(), "15");
    int changes = 0;
    QObject::connect(dlg.Options, &TImportOptionsBox::Changed, [&] { ++changes; });
    ImpulseFields f;
    f.gateOn = true;
    f.gateFrom = "-2";
    dlg.Options->SetFields(f);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(dlg.Options->EditGateTo->isEnabled());

    dlg.Options->EditRate->setText(QStringLiteral(" 96000 "));
    Q_EMIT dlg.Options->EditRate->editingFinished();
    dlg.Options->CheckBoxFdw->setChecked(true);
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(dlg.Options->EditFdw->isEnabled());
    EXPECT_EQ(rules.fields().rate, "96000");
    EXPECT_TRUE(rules.fields().gateOn);
    EXPECT_EQ(rules.fields().gateFrom, "-2");
    EXPECT_TRUE(rules.fields().fdwOn);
    EXPECT_TRUE(dlg.MemoReport->toPlainText().contains("Add 2 to 16"));
    EXPECT_FALSE(dlg.OKBtn->isEnabled());
}

struct Shell : test::WindowParts<test::MissingDevice> {
    std::unique_ptr<EditorShell> shell;
    Shell() {
        shell = std::make_unique<EditorShell>(ws, dsp, ui);
        ui.errors.clear();
    }
    // Triggers the menu item; `inDialog` runs while the dialog is open.
    void Import(const std::string& file, std::function<void(TImportMeasurementDlg&)> inDialog) {
        ui.fileAnswers.push_back(file);
        QTimer::singleShot(0, [this, inDialog] {
            TImportMeasurementDlg& dlg = shell->importMeasurement();
            ASSERT_TRUE(dlg.isVisible());
            inDialog(dlg);
        });
        shell->form().action(MenuId::MenuImportMeasurement)->trigger();
    }
};

TEST(ImportCommand, FileDialogFilters) {
    EXPECT_EQ(ToQtFilter(kImportFilter),
              "Measurements (*.frd *.txt *.csv *.dat *.zma);;"
              "Impulse responses (*.wav *.flac *.aif *.aiff *.w64);;(*)");
}

TEST(ImportCommand, FromTheFileMenuThroughOkAndCancel) {
    Shell s;
    QAction* item = s.shell->form().action(MenuId::MenuImportMeasurement);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isVisible());
    EXPECT_EQ(item->text(), QString::fromUtf8("Import Measurement\u2026"));
    TempDir dir;
    const std::string file = dir.Write("spin.txt", kPairs);

    s.Import(file, [](TImportMeasurementDlg& dlg) { dlg.CancelBtn->click(); });
    EXPECT_TRUE(s.ws[FrequencyResponseDiagram].Slot(3).points.empty());
    EXPECT_FALSE(s.shell->form().action(MenuId::MenuUndo)->isEnabled());

    s.Import(file, [](TImportMeasurementDlg& dlg) {
        dlg.ComboBoxPair->setCurrentIndex(1);
        dlg.OKBtn->click();
    });
    EXPECT_TRUE(s.ui.errors.empty());
    EXPECT_EQ(s.ws.CurrentDiagram, FrequencyResponseDiagram);
    EXPECT_EQ(s.ws[FrequencyResponseDiagram].Slot(3).name, "spin.txt");
    EXPECT_EQ(s.ws[FrequencyResponseDiagram].Slot(3).points,
              (PointList{{100, 70}, {200, 71}, {300, 72}}));
    EXPECT_TRUE(s.shell->form().action(MenuId::MenuUndo)->isEnabled());
    s.shell->form().action(MenuId::MenuUndo)->trigger();
    EXPECT_TRUE(s.ws[FrequencyResponseDiagram].Slot(3).points.empty());
}

TEST(ImportCommand, RealFileShowsItsReport) {
    QV_SKIP_WITHOUT_MEASUREMENTS();
    Shell s;
    s.Import(test::Measurement("wavecor_WF120BD04_woofer.txt"), [](TImportMeasurementDlg& dlg) {
        EXPECT_TRUE(Report(dlg).contains("800 rows read"));
        EXPECT_TRUE(Report(dlg).contains("Group delay: 800 points"));
        Shoot(dlg, "import_woofer.png");
        dlg.OKBtn->click();
    });
    EXPECT_EQ(s.ws[FrequencyResponseDiagram].Slot(3).points.size(), 800u);
    EXPECT_EQ(s.ws[GroupDelayDiagram].Slot(3).points.size(), 800u);
    EXPECT_EQ(s.ws[GroupDelayDiagram].Slot(3).name, "wavecor_WF120BD04_woofer.txt");
}

}  // namespace
}  // namespace qv
