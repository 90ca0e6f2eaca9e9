#pragma once
// "Setup DSP Hardware": five groups of choices about the box's wiring. The
// program reads none of them; the dialog only keeps what was chosen.

#include <QDialog>
#include <array>
#include <vector>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace qv {

class TSetUpHardwareDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TSetUpHardwareDlg(QWidget* parent = nullptr);

    static constexpr int kGroupCount = 5;
    // The groups in the order shown, each with its radio buttons.
    std::array<QGroupBox*, kGroupCount> groups{};
    std::array<std::vector<QRadioButton*>, kGroupCount> choices;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace qv
