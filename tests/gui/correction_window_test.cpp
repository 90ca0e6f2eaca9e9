// "Smoothing…", "Correction Target…" and the predicted result of "Execute",
// from the menu of the whole editor.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

#include "app/correction_dlg.h"
#include "app/editor_shell.h"
#include "curves/curve_files.h"
#include "diagram/ranges.h"
#include "dspbox/virtual_dsp_box.h"
#include "measurements/measurement_import.h"
#include "tests/support/test_support.h"
#include "tests/support/window_parts.h"

namespace qv {
namespace {

// A speaker at 85 dB with a broad 5 dB dip at 1 kHz, and a delay that lags
// towards the highs.
PointList Speaker(double scale) {
    PointList c;
    for (double f = 20; f <= 20000; f *= std::exp2(1.0 / 24)) {
        const double o = std::log2(f / 1000);
        AppendPoint(c, f, scale == 0 ? -0.1 * std::log2(f / 20) : 85 - scale * std::exp(-o * o));
    }
    return c;
}

struct Shell : ::testing::Test, test::WindowParts<VirtualDspBox> {
    std::unique_ptr<EditorShell> shell;

    Shell() {
        shell = std::make_unique<EditorShell>(ws, dsp, ui);
        const std::string cor = std::string(QV_SOURCE_DIR) + "/data/demo/amlin.cor";
        SetSlot(ws[FrequencyResponseHighDiagram], 1, cor, ReadXYFile(cor, ui));
        SetSlot(ws[FrequencyResponseDiagram], 3, "speaker", Speaker(5));
        SetSlot(ws[GroupDelayDiagram], 3, "speaker delay", Speaker(0));
        shell->form().resize(843, 414);
        shell->form().show();
        QApplication::processEvents();
    }
    TForm1& form() { return shell->form(); }
    TCorrectionTargetDlg& target() { return shell->correctionTarget(); }
    // Runs a menu item whose dialog is modal; `inside` plays the user.
    void Trigger(MenuId id, const std::function<void()>& inside) {
        QTimer::singleShot(0, &form(), inside);
        form().action(id)->trigger();
    }
};

TEST_F(Shell, CorrectionTargetPreviewsAcceptsAndUndoesInOneStep) {
    const PointList before = ws[FrequencyResponseDiagram].Slot(1).points;
    ws.CurrentDiagram = ImpulseResponseDiagram;
    Trigger(MenuId::MenuCorrectionTarget, [&] {
        // The dialog shows "Frequency Response" with the target already in it.
        EXPECT_EQ(ws.CurrentDiagram, FrequencyResponseDiagram);
        EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(1).points.size(),
                  ws[FrequencyResponseDiagram].Slot(3).points.size());
        // A field in error shows the curve as it was and says why.
        target().EditTo->setText(QStringLiteral("10"));
        EXPECT_FALSE(target().LabelProblem->text().isEmpty());
        EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(1).points, before);
        target().EditTo->setText(QStringLiteral("10000"));
        target().CheckBoxDelay->setChecked(true);
        EXPECT_TRUE(target().LabelProblem->text().isEmpty())
            << target().LabelProblem->text().toStdString();
        target().OKBtn->click();
    });
    const CurveSlot& level = ws[FrequencyResponseDiagram].Slot(1);
    EXPECT_EQ(level.name, "desired");
    EXPECT_EQ(level.marked, 1);
    EXPECT_GT(level.points.size(), 100u);
    EXPECT_GT(ws[GroupDelayDiagram].Slot(1).points.size(), 100u);
    EXPECT_TRUE(form().action(MenuId::MenuCurve)->isChecked());
    EXPECT_EQ(shell->form().editor().correctionSettings().to, 10000.0);
    form().action(MenuId::MenuUndo)->trigger();
    EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(1).points, before);
    EXPECT_EQ(ws[GroupDelayDiagram].Slot(1).points.size(), 2u);
    EXPECT_FALSE(form().action(MenuId::MenuUndo)->isEnabled());
}

TEST_F(Shell, CorrectionTargetCancelRestores) {
    const PointList before = ws[FrequencyResponseDiagram].Slot(1).points;
    Trigger(MenuId::MenuCorrectionTarget, [&] {
        target().EditBoost->setText(QStringLiteral("2"));
        EXPECT_NE(ws[FrequencyResponseDiagram].Slot(1).points, before);
        target().CancelBtn->click();
    });
    EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(1).points, before);
    EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(1).marked, 1);
    EXPECT_FALSE(form().action(MenuId::MenuUndo)->isEnabled());
}

TEST_F(Shell, ExecutePredictsAndWarnsAboutHeadroom) {
    Trigger(MenuId::MenuCorrectionTarget, [&] {
        target().EditFrom->setText(QStringLiteral("100"));
        target().EditTo->setText(QStringLiteral("10000"));
        target().OKBtn->click();
    });
    form().action(MenuId::MenuExecute)->trigger();
    const CurveSlot& predicted = ws[FrequencyResponseDiagram].Slot(4);
    EXPECT_EQ(predicted.name, "predicted");
    ASSERT_FALSE(predicted.points.empty());
    EXPECT_LE(predicted.points.back().x, dsp.profile().eqSampleRate / 2);
    EXPECT_EQ(ws[GroupDelayDiagram].Slot(4).name, "predicted");
    const std::string rms = form().resultLabel()->text().toStdString();
    EXPECT_NE(rms.find("dB RMS deviation from 100 to 10000 Hz"), std::string::npos) << rms;
    EXPECT_TRUE(ui.messages.empty()) << ui.messages[0];
    // A target 6 dB up all over leaves the filter beyond what the box holds.
    ScaleValues(ws[FrequencyResponseDiagram].Slot(1).points, 0);
    OffsetValues(ws[FrequencyResponseDiagram].Slot(1).points, 6);
    form().action(MenuId::MenuExecute)->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("Lower the target by 6.0 dB"), std::string::npos)
        << ui.messages[0];
    // "Filter -> DSP" refuses it with the same message, before the chooser.
    form().action(MenuId::MenuFilterToDsp)->trigger();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1], ui.messages[0]);
}

TEST_F(Shell, SmoothingTheMeasuredCurveIsOneUndoStep) {
    const PointList before = ws[FrequencyResponseDiagram].Slot(3).points;
    Trigger(MenuId::MenuSmoothing, [&] {
        TSmoothingDlg& d = shell->smoothing();
        EXPECT_EQ(d.ComboBoxCurve->currentData().toInt(), 3);
        d.ComboBoxFraction->setCurrentIndex(0);  // 1/1 octave
        d.OKBtn->click();
    });
    EXPECT_NE(ws[FrequencyResponseDiagram].Slot(3).points, before);
    form().action(MenuId::MenuUndo)->trigger();
    EXPECT_EQ(ws[FrequencyResponseDiagram].Slot(3).points, before);
}

// With QV_SCREENSHOT_DIR set and the shared measurements present: a real
// tweeter, its target, and what the filter makes of it.
TEST_F(Shell, ScreenshotWithARealTweeter) {
    QV_SKIP_WITHOUT_MEASUREMENTS();
    const QByteArray dir = qgetenv("QV_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "QV_SCREENSHOT_DIR not set";
    ImportedMeasurement m = ImportMeasurement(test::Measurement("wavecor_TW022WA06_tweeter.txt"));
    SetSlot(ws[FrequencyResponseDiagram], 3, "wavecor_TW022WA06_tweeter.txt", std::move(m.level));
    SetSlot(ws[GroupDelayDiagram], 3, "wavecor_TW022WA06_tweeter.txt", std::move(m.groupDelay));
    Trigger(MenuId::MenuCorrectionTarget, [&] {
        target().EditFrom->setText(QStringLiteral("1500"));
        target().ComboBoxSmoothing->setCurrentIndex(4);  // 1/6 octave
        target().CheckBoxDelay->setChecked(true);
        target().grab().save(QString::fromUtf8(dir) + "/correction-target-dialog.png");
        target().OKBtn->click();
    });
    form().action(MenuId::MenuExecute)->trigger();
    // The measurement at its own level and the correction around 0 dB in one view.
    form().resize(900, 520);
    Diagram& fr = ws[FrequencyResponseDiagram];
    fr.yFrom = -20;
    fr.yTo = 100;
    fr.yMajorStep = 10;
    fr.yMinorStep = 5;
    fr.xFrom = 200;
    form().RequestRepaint();
    QApplication::processEvents();
    form().grab().save(QString::fromUtf8(dir) + "/screenshot-correction.png");
}

}  // namespace
}  // namespace qv
