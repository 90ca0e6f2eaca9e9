#pragma once
// File -> "Project Info…": the project's title and free notes.

#include <QCoreApplication>
#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace qv {

struct Workspace;

class TProjectInfoDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(qv::TProjectInfoDlg)

  public:
    explicit TProjectInfoDlg(QWidget* parent = nullptr);
    // Shows the document's title and notes; "OK" stores them (through
    // SetProjectInfo). True when they changed.
    bool Execute(Workspace& ws);

    QLineEdit* EditTitle = nullptr;
    QPlainTextEdit* MemoNotes = nullptr;
};

}  // namespace qv
