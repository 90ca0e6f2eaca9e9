#include "app/box_history_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "translations/language.h"

namespace qv {

TBoxHistoryDlg::TBoxHistoryDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BoxHistoryDlg"));
    setWindowTitle(tr("History"));
    label_ = new QLabel(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListStates"));
    list_->setMinimumWidth(460);
    auto* buttons = new QDialogButtonBox(this);
    restore_ = buttons->addButton(tr("Restore"), QDialogButtonBox::AcceptRole);
    restore_->setObjectName(QStringLiteral("ButtonRestore"));
    buttons->addButton(QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(list_, &QListWidget::currentRowChanged, this,
            [this](int row) { restore_->setEnabled(row >= 0); });
}

std::optional<std::size_t> TBoxHistoryDlg::Pick(const std::string& set,
                                                const std::vector<std::string>& lines) {
    label_->setText(tr("States kept of %1, newest first:").arg(TrCore(set)));
    list_->clear();
    for (const std::string& line : lines) list_->addItem(TrCore(line));
    list_->setCurrentRow(0);
    if (exec() != QDialog::Accepted || list_->currentRow() < 0) return std::nullopt;
    return static_cast<std::size_t>(list_->currentRow());
}

}  // namespace qv
