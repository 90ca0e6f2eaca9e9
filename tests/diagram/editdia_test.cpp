#include "diagram/editdia.h"

#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "curves/diagram_set.h"
#include "qt_test_app.h"

namespace qv {
namespace {

QString Shown(QAbstractSpinBox* e) {
    return e->findChild<QLineEdit*>()->text();
}

TEST(EditDiagrammDlg, ShowsTheDiagramAndOkWritesItBack) {
    test::QtTestApp();
    Diagram d = MakeDiagramSet()[GroupDelayDiagram];
    TEditDiagrammDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), "Edit Diagramm");
    int repaints = 0;
    dlg.SetRepaint([&] { ++repaints; });
    QTimer::singleShot(0, &dlg, [&] {
        EXPECT_TRUE(dlg.ButtonXLog->isChecked());
        EXPECT_TRUE(dlg.ButtonYLin->isChecked());
        EXPECT_EQ(Shown(dlg.spinEdit(RangeEdit::SpinEdityvon)), "-12");
        EXPECT_EQ(Shown(dlg.spinEdit(RangeEdit::SpinEditxbis)), "30000");
        dlg.spinEdit(RangeEdit::SpinEditybis)->stepBy(-3);  // an arrow step
        EXPECT_EQ(Shown(dlg.spinEdit(RangeEdit::SpinEditybis)), "5");
        QLineEdit* yvon = dlg.spinEdit(RangeEdit::SpinEdityvon)->findChild<QLineEdit*>();
        yvon->selectAll();
        QTest::keyClicks(yvon, "2");  // typed; a log axis starts above 0
        EXPECT_EQ(Shown(dlg.spinEdit(RangeEdit::SpinEdityvon)), "2");
        dlg.ButtonYLog->setChecked(true);
        dlg.ButtonOK->click();
    });
    EXPECT_EQ(dlg.Execute(d), QDialog::Accepted);
    EXPECT_EQ(d.yTo, 5.0);
    EXPECT_EQ(d.yFrom, 2.0);
    EXPECT_EQ(d.yLog, 1);
    EXPECT_EQ(dlg.rules().SpinEdityvon.MaxValue(), 4);
    EXPECT_EQ(repaints, 1);
}

TEST(EditDiagrammDlg, AbbrechenLeavesTheDiagramAlone) {
    test::QtTestApp();
    Diagram d = MakeDiagramSet()[GroupDelayDiagram];
    TEditDiagrammDlg dlg;
    QTimer::singleShot(0, &dlg, [&] {
        dlg.spinEdit(RangeEdit::SpinEditxvon)->stepBy(5);
        dlg.ButtonXLin->setChecked(true);
        dlg.ButtonAbbrechen->click();
    });
    EXPECT_EQ(dlg.Execute(d), QDialog::Rejected);
    EXPECT_EQ(d.xFrom, 10.0);
    EXPECT_EQ(d.xLog, 1);
}

TEST(EditDiagrammDlg, AutoRangedLevelsAreShownAndOkKeepsThem) {
    test::QtTestApp();
    Diagram d = MakeDiagramSet()[FrequencyResponseDiagram];
    d.yFrom = 67.6;
    d.yTo = 98.84;  // a measured SPL curve after "Auto Range"
    TEditDiagrammDlg dlg;
    QTimer::singleShot(0, &dlg, [&] {
        EXPECT_EQ(Shown(dlg.spinEdit(RangeEdit::SpinEdityvon)), "67");
        EXPECT_EQ(Shown(dlg.spinEdit(RangeEdit::SpinEditybis)), "98");
        dlg.ButtonOK->click();
    });
    EXPECT_EQ(dlg.Execute(d), QDialog::Accepted);
    EXPECT_EQ(d.yFrom, 67.0);
    EXPECT_EQ(d.yTo, 98.0);
}

}  // namespace
}  // namespace qv
