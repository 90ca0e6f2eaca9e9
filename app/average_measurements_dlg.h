#pragma once
// The "Average Measurements" dialog: the files, the method, the import
// options and the average's report. Its rules are AverageDialogRules; this
// class binds them to widgets (the impulse fields are a TImportOptionsBox)
// and shows a progress dialog with Cancel while a long average runs.

#include <QDialog>
#include <functional>

#include "app/average_measurements.h"
#include "app/import_options_box.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace qv {

class TAverageMeasurementsDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TAverageMeasurementsDlg(QWidget* parent = nullptr);

    // True when the user chose OK with an average to put into the workspace.
    bool Execute(AverageDialogRules& rules);
    // Binds to rules without running the dialog (the tests' way).
    void Bind(AverageDialogRules& rules);
    // Reads the widgets into the rules and averages again when they changed.
    void Update();
    // "Add…" asks for files through this (a file dialog unless a test sets it).
    std::function<std::vector<std::string>()> chooseFiles;

    QListWidget* ListFiles = nullptr;
    QPushButton* ButtonAdd = nullptr;
    QPushButton* ButtonRemove = nullptr;
    QComboBox* ComboBoxMethod = nullptr;
    QLineEdit* EditChannel = nullptr;
    TImportOptionsBox* Options = nullptr;
    QPlainTextEdit* MemoReport = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  private:
    void FillFiles();
    void Refresh();
    void ShowOutcome();

    AverageDialogRules* rules_ = nullptr;
    bool binding_ = false;
};

}  // namespace qv
