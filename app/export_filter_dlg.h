#pragma once
// The "Export Filter" dialog: folder, name, format, rates, length, phase and
// whether the correction curve goes in. Its rules are ExportDialogRules; this
// class only binds them to widgets.

#include <QDialog>

#include "app/export_filter.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

class TExportFilterDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TExportFilterDlg(QWidget* parent = nullptr);

    // Shows the dialog with the last choices; true when the user chose OK
    // with choices that can be exported (then in rules()).
    bool Execute();
    const ExportDialogRules& rules() const { return rules_; }
    // Takes the widgets' values into the rules and shows what OK would do.
    void Update();

    QLineEdit* EditFolder = nullptr;
    QPushButton* ButtonFolder = nullptr;
    QLineEdit* EditName = nullptr;
    QComboBox* ComboBoxFormat = nullptr;
    QLineEdit* EditRates = nullptr;
    QComboBox* ComboBoxTaps = nullptr;
    QComboBox* ComboBoxPhase = nullptr;
    QCheckBox* CheckBoxCorrection = nullptr;
    QLabel* LabelFiles = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  private:
    void Show();
    ExportDialogRules rules_;
    bool binding_ = false;
};

}  // namespace qv
