#pragma once
// The "Import Measurement" dialog: the report of the import and the choices
// the file offers. Its rules are ImportDialogRules; this class only binds
// them to widgets (the impulse fields are a TImportOptionsBox) and shows a
// progress dialog with Cancel while a long import runs.

#include <QDialog>

#include "app/import_measurement.h"
#include "app/import_options_box.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qv {

class TImportMeasurementDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TImportMeasurementDlg(QWidget* parent = nullptr);

    // Shows the dialog for the file of `rules`; true when the user chose OK
    // with an import to put into the workspace.
    bool Execute(ImportDialogRules& rules);

    // Binds to rules without running the dialog (Execute does it first; the
    // tests drive the widgets after it).
    void Bind(ImportDialogRules& rules);
    // Takes the widgets' choices, imports again where they changed, shows
    // the outcome.
    void Update();
    void OKBtnClick();

    QLabel* LabelFile = nullptr;
    QPlainTextEdit* MemoReport = nullptr;
    QLabel* LabelPair = nullptr;
    QComboBox* ComboBoxPair = nullptr;
    QLabel* LabelChannel = nullptr;
    QComboBox* ComboBoxChannel = nullptr;
    TImportOptionsBox* Options = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  private:
    // One import with a progress dialog that offers Cancel.
    void Refresh();
    void ShowOutcome();

    ImportDialogRules* rules_ = nullptr;
    bool binding_ = false;
};

}  // namespace qv
