#include "app/import_measurement_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "curves/time_left.h"
#include "translations/language.h"

namespace qv {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

TImportMeasurementDlg::TImportMeasurementDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ImportMeasurementDlg"));
    setWindowTitle(tr("Import Measurement"));

    LabelFile = new QLabel(this);
    LabelFile->setObjectName(QStringLiteral("LabelFile"));
    QFont bold = LabelFile->font();
    bold.setBold(true);
    LabelFile->setFont(bold);

    MemoReport = new QPlainTextEdit(this);
    MemoReport->setObjectName(QStringLiteral("MemoReport"));
    MemoReport->setReadOnly(true);
    MemoReport->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    MemoReport->setMinimumSize(560, 120);

    auto* grid = new QGridLayout;
    LabelPair = new QLabel(tr("Column pair"), this);
    ComboBoxPair = new QComboBox(this);
    ComboBoxPair->setObjectName(QStringLiteral("ComboBoxPair"));
    LabelChannel = new QLabel(tr("Channel"), this);
    ComboBoxChannel = new QComboBox(this);
    ComboBoxChannel->setObjectName(QStringLiteral("ComboBoxChannel"));
    LabelRate = new QLabel(tr("Sample rate"), this);
    EditRate = new QLineEdit(this);
    EditRate->setObjectName(QStringLiteral("EditRate"));
    EditRate->setMaximumWidth(110);
    CheckBoxGate = new QCheckBox(tr("Gate"), this);
    CheckBoxGate->setObjectName(QStringLiteral("CheckBoxGate"));
    EditGateFrom = new QLineEdit(this);
    EditGateFrom->setObjectName(QStringLiteral("EditGateFrom"));
    EditGateFrom->setMaximumWidth(80);
    EditGateTo = new QLineEdit(this);
    EditGateTo->setObjectName(QStringLiteral("EditGateTo"));
    EditGateTo->setMaximumWidth(80);

    grid->addWidget(LabelPair, 0, 0);
    grid->addWidget(ComboBoxPair, 0, 1, 1, 4);
    grid->addWidget(LabelChannel, 1, 0);
    grid->addWidget(ComboBoxChannel, 1, 1, 1, 2);
    grid->addWidget(LabelRate, 2, 0);
    grid->addWidget(EditRate, 2, 1);
    labelHz_ = new QLabel(tr("Hz"), this);
    grid->addWidget(labelHz_, 2, 2);
    grid->addWidget(CheckBoxGate, 3, 0);
    auto* gate = new QHBoxLayout;
    gate->addWidget(EditGateFrom);
    labelTo_ = new QLabel(tr("to"), this);
    gate->addWidget(labelTo_);
    gate->addWidget(EditGateTo);
    labelMs_ = new QLabel(tr("ms around the peak"), this);
    gate->addWidget(labelMs_);
    gate->addStretch(1);
    grid->addLayout(gate, 3, 1, 1, 4);
    CheckBoxFdw = new QCheckBox(QStringLiteral("Window"), this);
    CheckBoxFdw->setObjectName(QStringLiteral("CheckBoxFdw"));
    CheckBoxFdw->setToolTip(
        QStringLiteral("The level through a frequency-dependent window; the group delay of an "
                       "impulse always goes through one (15 cycles unless given)."));
    EditFdw = new QLineEdit(this);
    EditFdw->setObjectName(QStringLiteral("EditFdw"));
    EditFdw->setMaximumWidth(80);
    auto* fdw = new QHBoxLayout;
    fdw->addWidget(EditFdw);
    labelCycles_ = new QLabel(QStringLiteral("cycles (frequency-dependent)"), this);
    fdw->addWidget(labelCycles_);
    fdw->addStretch(1);
    grid->addWidget(CheckBoxFdw, 4, 0);
    grid->addLayout(fdw, 4, 1, 1, 4);
    grid->setColumnStretch(4, 1);

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelFile);
    layout->addWidget(MemoReport, 1);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ComboBoxPair, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { Update(); });
    connect(ComboBoxChannel, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { Update(); });
    connect(CheckBoxGate, &QCheckBox::toggled, this, [this](bool on) {
        EditGateFrom->setEnabled(on);
        EditGateTo->setEnabled(on);
        Update();
    });
    connect(CheckBoxFdw, &QCheckBox::toggled, this, [this](bool on) {
        EditFdw->setEnabled(on);
        Update();
    });
    for (QLineEdit* edit : {EditRate, EditGateFrom, EditGateTo, EditFdw})
        connect(edit, &QLineEdit::editingFinished, this, [this] { Update(); });
}

void TImportMeasurementDlg::Bind(ImportDialogRules& rules) {
    rules_ = &rules;
    binding_ = true;
    LabelFile->setText(Q(rules.FileName()));
    ComboBoxPair->clear();
    for (const auto& p : rules.PairChoices()) ComboBoxPair->addItem(TrCore(p));
    ComboBoxPair->setCurrentIndex(rules.pair());
    ComboBoxChannel->clear();
    for (const auto& c : rules.ChannelChoices()) ComboBoxChannel->addItem(TrCore(c));
    ComboBoxChannel->setCurrentIndex(rules.channel());
    EditRate->setText(Q(rules.rateText()));
    CheckBoxGate->setChecked(rules.gateOn());
    EditGateFrom->setText(Q(rules.gateFromText()));
    EditGateTo->setText(Q(rules.gateToText()));
    EditGateFrom->setEnabled(rules.gateOn());
    EditGateTo->setEnabled(rules.gateOn());
    CheckBoxFdw->setChecked(rules.fdwOn());
    EditFdw->setText(Q(rules.fdwText()));
    EditFdw->setEnabled(rules.fdwOn());

    LabelPair->setVisible(rules.OffersPairs());
    ComboBoxPair->setVisible(rules.OffersPairs());
    ComboBoxPair->setEnabled(rules.PairChoices().size() > 1);
    LabelChannel->setVisible(rules.OffersChannel());
    ComboBoxChannel->setVisible(rules.OffersChannel());
    ComboBoxChannel->setEnabled(rules.ChannelChoices().size() > 1);
    for (QWidget* w : {static_cast<QWidget*>(LabelRate), static_cast<QWidget*>(EditRate),
                       static_cast<QWidget*>(labelHz_)})
        w->setVisible(rules.OffersRate());
    for (QWidget* w : {static_cast<QWidget*>(CheckBoxGate), static_cast<QWidget*>(EditGateFrom),
                       static_cast<QWidget*>(EditGateTo), static_cast<QWidget*>(labelTo_),
                       static_cast<QWidget*>(labelMs_), static_cast<QWidget*>(CheckBoxFdw),
                       static_cast<QWidget*>(EditFdw), static_cast<QWidget*>(labelCycles_)})
        w->setVisible(rules.OffersGate());
    binding_ = false;
    adjustSize();
}

void TImportMeasurementDlg::Update() {
    if (!rules_ || binding_) return;
    rules_->SetPair(std::max(0, ComboBoxPair->currentIndex()));
    rules_->SetChannel(std::max(0, ComboBoxChannel->currentIndex()));
    rules_->SetRateText(EditRate->text().trimmed().toStdString());
    rules_->SetGate(CheckBoxGate->isChecked(), EditGateFrom->text().trimmed().toStdString(),
                    EditGateTo->text().trimmed().toStdString());
    rules_->SetFdw(CheckBoxFdw->isChecked(), EditFdw->text().trimmed().toStdString());
    if (rules_->stale()) RefreshWithProgress();
    ShowOutcome();
}

void TImportMeasurementDlg::RefreshWithProgress() {
    std::unique_ptr<QProgressDialog> progress;
    QElapsedTimer clock;
    clock.start();
    try {
        rules_->Refresh([&](double fraction) {
            // Only an import that takes a while shows the progress dialog.
            if (!progress && clock.elapsed() > 300) {
                progress = std::make_unique<QProgressDialog>(tr("Import Measurement"), tr("Cancel"),
                                                             0, 1000, this);
                progress->setWindowTitle(tr("Import Measurement"));
                progress->setWindowModality(Qt::WindowModal);
                progress->setMinimumDuration(0);
                progress->setMinimumWidth(420);
            }
            if (!progress) return true;
            progress->setLabelText(QStringLiteral("%1\n%2 %  -  %3")
                                       .arg(Q(rules_->FileName()))
                                       .arg(static_cast<int>(fraction * 100))
                                       .arg(TrCore(TimeLeftText(clock.elapsed(), fraction))));
            progress->setValue(static_cast<int>(fraction * 1000));
            QCoreApplication::processEvents();
            return !progress->wasCanceled();
        });
    } catch (const ImportCancelled&) {
        // The report says so; OK stays off until the next import.
    }
}

void TImportMeasurementDlg::ShowOutcome() {
    MemoReport->setPlainText(TrCore(rules_->ReportText()));
    OKBtn->setEnabled(rules_->CanAccept());
}

void TImportMeasurementDlg::OKBtnClick() {
    Update();
    if (rules_ && rules_->CanAccept()) accept();
}

bool TImportMeasurementDlg::Execute(ImportDialogRules& rules) {
    Bind(rules);
    RefreshWithProgress();
    ShowOutcome();
    const bool ok = exec() == QDialog::Accepted;
    rules_ = nullptr;
    return ok && rules.CanAccept();
}

}  // namespace qv
