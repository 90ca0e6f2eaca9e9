#pragma once
// "Cut Impuls": keeps the samples From ... To of the impulse response. The
// cut itself is CutImpuls of curve_dialog_logic.

#include <QDialog>
#include <functional>

#include "app/curve_dialog_logic.h"

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace qv {

class TCutImpulsDlg : public QDialog {
    Q_OBJECT
  public:
    // autoRange fits the impulse diagram after a cut.
    TCutImpulsDlg(Workspace& ws, AutoRangeStep autoRange, QWidget* parent = nullptr);

    // Asked for when the cut switched the diagram or changed the curve.
    void SetRepaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }

    // Cuts with the two positions, then closes with OK.
    void OKBtnClick();
    CutOutcome lastOutcome() const { return lastOutcome_; }

    // Each edit is the text field of its up-down control.
    QLineEdit* EditFrom = nullptr;
    QSpinBox* UpDownFrom = nullptr;
    QLineEdit* EditTo = nullptr;
    QSpinBox* UpDownTo = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Workspace& ws_;
    AutoRangeStep autoRange_;
    std::function<void()> repaint_;
    CutOutcome lastOutcome_;
};

}  // namespace qv
