#include "app/project_info_dlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/project_commands.h"

namespace qv {

TProjectInfoDlg::TProjectInfoDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ProjectInfoDlg"));
    setWindowTitle(tr("Project Info"));
    auto* form = new QFormLayout(this);
    EditTitle = new QLineEdit(this);
    EditTitle->setObjectName(QStringLiteral("EditTitle"));
    MemoNotes = new QPlainTextEdit(this);
    MemoNotes->setObjectName(QStringLiteral("MemoNotes"));
    MemoNotes->setMinimumSize(360, 140);
    form->addRow(tr("Title:"), EditTitle);
    form->addRow(tr("Notes:"), MemoNotes);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

bool TProjectInfoDlg::Execute(Workspace& ws) {
    EditTitle->setText(QString::fromStdString(ws.Title));
    MemoNotes->setPlainText(QString::fromStdString(ws.Notes));
    EditTitle->setFocus();
    if (exec() != QDialog::Accepted) return false;
    return SetProjectInfo(ws, EditTitle->text().toStdString(),
                          MemoNotes->toPlainText().toStdString());
}

}  // namespace qv
