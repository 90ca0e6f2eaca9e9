#pragma once
// The common body of "ADD CONSTANT" and "MUL CONSTANT": the value field with
// its key filter, OK and "Abbrechen". The rules are ConstantDialogLogic's.

#include <QDialog>
#include <functional>

#include "app/curve_dialog_logic.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

class TConstantDlg : public QDialog {
    Q_OBJECT
  public:
    // The dialog works on the current diagram of ws and reports through ui;
    // both outlive it.
    TConstantDlg(ConstantOperation op, Workspace& ws, UserInterface& ui, QWidget* parent = nullptr);

    // Asked for after the operation has changed the curve.
    void SetRepaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }

    // Runs the operation on the text of Edit1, then closes with OK whatever
    // the outcome.
    void OKBtnClick();
    ConstantOutcome lastOutcome() const { return lastOutcome_; }
    const ConstantDialogLogic& logic() const { return logic_; }

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    ConstantDialogLogic logic_;
    Workspace& ws_;
    UserInterface& ui_;
    std::function<void()> repaint_;
    ConstantOutcome lastOutcome_ = ConstantOutcome::Applied;
};

// Centres a dialog on the screen it is shown on.
void CentreOnScreen(QWidget& dialog);

}  // namespace qv
