#include "dsp_dialogs/storedatato.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dsp_dialogs/dialog_widgets.h"
#include "translations/language.h"

namespace qv {

TStoreDataToDlg::TStoreDataToDlg(DspState& state, QWidget* parent)
    : QDialog(parent), logic_(state) {
    setObjectName(QStringLiteral("StoreDataToDlg"));
    setWindowTitle(tr("Choose Set"));
    setModal(true);

    auto* outer = new QVBoxLayout(this);
    auto* all = new QGroupBox(tr(" Choose Set with Sample Frequency "), this);
    all->setObjectName(QStringLiteral("GroupBoxChooseSet"));
    auto* sets = new QVBoxLayout(all);
    sets->setSpacing(2);
    for (std::uint8_t set = 0; set < kChooserSets; ++set) {
        auto* frame = new QGroupBox(QStringLiteral(" Set %1 ").arg(set + 1), all);
        frame->setObjectName(QStringLiteral("GroupBoxSet%1").arg(set));
        auto* row = new QHBoxLayout(frame);
        row->setContentsMargins(8, 2, 8, 2);
        for (std::uint8_t rate : kChooserColumnRates) {
            const SetChoice c{set, rate};
            auto* b = new QRadioButton(QString::fromStdString(ChooserButtonCaption(rate)), frame);
            b->setObjectName(QString::fromStdString(ChooserButtonName(c)));
            // The rules decide what is checked; the widgets only show it.
            b->setAutoExclusive(false);
            connect(b, &QRadioButton::clicked, this, [this, c] {
                logic_.ButtonClick(c);
                Sync();
            });
            row->addWidget(b, 1);
            buttons_[static_cast<std::size_t>(set) * kChooserRates + rate] = b;
        }
        sets->addWidget(frame);
    }
    outer->addWidget(all);
    LabelLock = new QLabel(this);
    LabelLock->setObjectName(QStringLiteral("LabelLock"));
    LabelLock->setWordWrap(true);
    outer->addWidget(LabelLock);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch(1);
    outer->addLayout(buttons);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Sync();
}

bool TStoreDataToDlg::Choose(DspState& state) {
    // One chooser serves the one DSP state of the program.
    if (&state != &logic_.state()) return false;
    logic_.FormShow();
    Sync();
    if (exec() != QDialog::Accepted) return false;
    logic_.ButtonOkClick();
    return true;
}

void TStoreDataToDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CenterOnScreen(this);
}

void TStoreDataToDlg::Sync() {
    const QString reason = TrCore(logic_.LockReason());
    LabelLock->setText(reason);
    LabelLock->setVisible(!reason.isEmpty());
    for (std::uint8_t set = 0; set < kChooserSets; ++set)
        for (std::uint8_t rate = 0; rate < kChooserRates; ++rate) {
            const SetChoice c{set, rate};
            QRadioButton* b = button(c);
            const QSignalBlocker block(b);
            b->setEnabled(logic_.Enabled(c));
            b->setToolTip(logic_.Enabled(c) ? QString() : reason);
            b->setChecked(logic_.Checked() == c);
        }
}

}  // namespace qv
