#pragma once
// "Smoothing…" and "Correction Target…": thin dialogs over
// SmoothingDialogLogic and CorrectionTargetLogic.

#include <QDialog>
#include <functional>

#include "app/correction_dialog_logic.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qv {

class TSmoothingDlg : public QDialog {
    Q_OBJECT
  public:
    TSmoothingDlg(Workspace& ws, UserInterface& ui, QWidget* parent = nullptr);
    void SetRepaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }
    // Fills the curve list from the current diagram and shows the dialog
    // with the smoothing previewed in the diagram; "Cancel" puts it back.
    void Execute();
    void FieldChanged();
    void OKBtnClick();

    QComboBox* ComboBoxFraction = nullptr;
    QComboBox* ComboBoxCurve = nullptr;
    QLabel* LabelProblem = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  private:
    Workspace& ws_;
    UserInterface& ui_;
    SmoothingDialogLogic logic_;
    std::function<void()> repaint_;
    bool filling_ = false;
};

class TCorrectionTargetDlg : public QDialog {
    Q_OBJECT
  public:
    TCorrectionTargetDlg(Workspace& ws, UserInterface& ui, CurveFileReader readHouseCurve,
                         QWidget* parent = nullptr);
    void SetRepaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }
    // Shows the dialog with the target previewed in the diagram; "OK" keeps
    // it and stores the settings in `accepted`, "Cancel" puts the curves back.
    void Execute(TargetSettings& accepted);
    // Without showing: the preview of the fields as they are (the tests' way).
    void Begin() { logic_.Begin(); }
    void FieldChanged();
    CorrectionTargetFields Fields() const;
    void OKBtnClick();
    void ChooseHouseFile();

    QLineEdit* EditFrom = nullptr;
    QLineEdit* EditTo = nullptr;
    QLineEdit* EditBoost = nullptr;
    QLineEdit* EditCut = nullptr;
    QComboBox* ComboBoxSmoothing = nullptr;
    QRadioButton* RadioButtonFlat = nullptr;
    QRadioButton* RadioButtonTilt = nullptr;
    QRadioButton* RadioButtonHouse = nullptr;
    QLineEdit* EditTilt = nullptr;
    QLineEdit* EditHouseFile = nullptr;
    QPushButton* ButtonHouseFile = nullptr;
    QLineEdit* EditReference = nullptr;
    QCheckBox* CheckBoxDelay = nullptr;
    QLineEdit* EditMaxDelay = nullptr;
    QLabel* LabelProblem = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  private:
    CorrectionTargetLogic logic_;
    UserInterface& ui_;
    std::function<void()> repaint_;
};

}  // namespace qv
