#include "app/import_measurement_dlg.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

    Options = new TImportOptionsBox(this);
    LabelPair = new QLabel(tr("Column pair"), this);
    ComboBoxPair = new QComboBox(this);
    ComboBoxPair->setObjectName(QStringLiteral("ComboBoxPair"));
    Options->AddRow(LabelPair, ComboBoxPair);
    LabelChannel = new QLabel(tr("Channel"), this);
    ComboBoxChannel = new QComboBox(this);
    ComboBoxChannel->setObjectName(QStringLiteral("ComboBoxChannel"));
    Options->AddRow(LabelChannel, ComboBoxChannel, true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelFile);
    layout->addWidget(MemoReport, 1);
    layout->addWidget(Options);
    layout->addLayout(NewOkCancelRow(this, OKBtn, CancelBtn));

    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ComboBoxPair, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { Update(); });
    connect(ComboBoxChannel, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { Update(); });
    connect(Options, &TImportOptionsBox::Changed, this, [this] { Update(); });
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
    Options->SetFields(rules.fields());

    LabelPair->setVisible(rules.OffersPairs());
    ComboBoxPair->setVisible(rules.OffersPairs());
    ComboBoxPair->setEnabled(rules.PairChoices().size() > 1);
    LabelChannel->setVisible(rules.OffersChannel());
    ComboBoxChannel->setVisible(rules.OffersChannel());
    ComboBoxChannel->setEnabled(rules.ChannelChoices().size() > 1);
    Options->ShowRate(rules.OffersRate());
    Options->ShowGate(rules.OffersGate());
    binding_ = false;
    adjustSize();
}

void TImportMeasurementDlg::Update() {
    if (!rules_ || binding_) return;
    rules_->SetPair(std::max(0, ComboBoxPair->currentIndex()));
    rules_->SetChannel(std::max(0, ComboBoxChannel->currentIndex()));
    rules_->SetFields(Options->Fields());
    if (rules_->stale()) Refresh();
    ShowOutcome();
}

void TImportMeasurementDlg::Refresh() {
    RefreshWithProgress(this, tr("Import Measurement"), Q(rules_->FileName()),
                        [this](const ImportProgress& p) { rules_->Refresh(p); });
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
    Refresh();
    ShowOutcome();
    const bool ok = exec() == QDialog::Accepted;
    rules_ = nullptr;
    return ok && rules.CanAccept();
}

}  // namespace qv
