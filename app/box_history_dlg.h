#pragma once
// "History…": the kept states of a set, newest first; "Restore" puts the
// chosen one back. The list and what it means come from the core.

#include <QDialog>

#include "app/dsp_commands.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace qv {

class TBoxHistoryDlg : public QDialog, public HistoryPicker {
    Q_OBJECT
  public:
    explicit TBoxHistoryDlg(QWidget* parent = nullptr);

    std::optional<std::size_t> Pick(const std::string& set,
                                    const std::vector<std::string>& lines) override;

    QListWidget* list() const { return list_; }
    QPushButton* restoreButton() const { return restore_; }

  private:
    QLabel* label_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* restore_ = nullptr;
};

}  // namespace qv
