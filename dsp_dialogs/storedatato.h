#pragma once
// "Choose Set": the set chooser, created once at start and only hidden
// between showings, so that it keeps its checked button.

#include <QDialog>
#include <array>

#include "dsp_dialogs/set_chooser.h"

class QLabel;
class QRadioButton;
class QPushButton;

namespace qv {

class TStoreDataToDlg : public QDialog, public SetChooser {
    Q_OBJECT
  public:
    explicit TStoreDataToDlg(DspState& state, QWidget* parent = nullptr);

    // Shows the chooser modally; on OK the choice is in ChosenSet/ChosenRate.
    bool Choose(DspState& state) override;

    QRadioButton* button(SetChoice c) const {
        return buttons_[static_cast<std::size_t>(c.set) * kChooserRates + c.rate];
    }
    QPushButton* okButton() const { return OKBtn; }
    QPushButton* cancelButton() const { return CancelBtn; }
    QLabel* lockLabel() const { return LabelLock; }
    SetChooserLogic& logic() { return logic_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Sync();

    SetChooserLogic logic_;
    std::array<QRadioButton*, kChooserSets * kChooserRates> buttons_{};
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QLabel* LabelLock = nullptr;  // why only one rate is offered
};

}  // namespace qv
