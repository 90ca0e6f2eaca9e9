#pragma once
// The "Edit Diagramm" dialog: range and lin/log scale of both axes of the
// current diagram. The rules live in EditDiagramRules; this class shows them.

#include <QDialog>
#include <functional>

#include "curves/diagram.h"
#include "diagram/edit_diagram_rules.h"

class QRadioButton;
class QPushButton;
class QAbstractSpinBox;

namespace qv {

class RuleSpinEdit;

class TEditDiagrammDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TEditDiagrammDlg(QWidget* parent = nullptr);

    // Asked for by OK after the diagram has been written.
    void SetRepaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }
    // Fills the controls from the diagram and shows the dialog modally; OK
    // writes them back into the same diagram.
    int Execute(Diagram& diagram);

    void FormShow();
    void ButtonOKClick();
    void ButtonAbbrechenClick();

    EditDiagramRules& rules() { return rules_; }
    QAbstractSpinBox* spinEdit(RangeEdit which) const;
    QRadioButton* ButtonXLin = nullptr;
    QRadioButton* ButtonXLog = nullptr;
    QRadioButton* ButtonYLin = nullptr;
    QRadioButton* ButtonYLog = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonAbbrechen = nullptr;

  private:
    void ShowRules();
    void TakeRadioButtons();

    EditDiagramRules rules_;
    Diagram* diagram_ = nullptr;
    std::function<void()> repaint_;
    RuleSpinEdit* SpinEditxvon = nullptr;
    RuleSpinEdit* SpinEditxbis = nullptr;
    RuleSpinEdit* SpinEdityvon = nullptr;
    RuleSpinEdit* SpinEditybis = nullptr;
};

}  // namespace qv
