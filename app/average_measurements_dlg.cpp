#include "app/average_measurements_dlg.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "measurements/line_stream.h"
#include "translations/language.h"

namespace qv {

TAverageMeasurementsDlg::TAverageMeasurementsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AverageMeasurementsDlg"));
    setWindowTitle(tr("Average Measurements"));
    chooseFiles = [this] {
        std::vector<std::string> out;
        const QStringList names = QFileDialog::getOpenFileNames(
            this, tr("Average Measurements"), QString(),
            tr("Measurements (*.frd *.txt *.csv *.dat *.wav *.flac *.aif *.aiff *.w64);;(*.*)"));
        for (const QString& n : names) out.push_back(n.toStdString());
        return out;
    };

    ListFiles = new QListWidget(this);
    ListFiles->setObjectName(QStringLiteral("ListFiles"));
    ListFiles->setMinimumHeight(110);
    ButtonAdd = new QPushButton(tr("Add…"), this);
    ButtonAdd->setObjectName(QStringLiteral("ButtonAdd"));
    ButtonRemove = new QPushButton(tr("Remove"), this);
    ButtonRemove->setObjectName(QStringLiteral("ButtonRemove"));
    auto* fileButtons = new QVBoxLayout;
    fileButtons->addWidget(ButtonAdd);
    fileButtons->addWidget(ButtonRemove);
    fileButtons->addStretch(1);
    auto* files = new QHBoxLayout;
    files->addWidget(ListFiles, 1);
    files->addLayout(fileButtons);

    ComboBoxMethod = new QComboBox(this);
    ComboBoxMethod->setObjectName(QStringLiteral("ComboBoxMethod"));
    ComboBoxMethod->addItem(tr("Power (mean of 10^(L/10))"),
                            static_cast<int>(AverageMethod::Power));
    ComboBoxMethod->addItem(tr("dB (mean of L)"), static_cast<int>(AverageMethod::Db));
    ComboBoxMethod->addItem(tr("Vector (aligned impulses)"),
                            static_cast<int>(AverageMethod::Vector));
    EditChannel = new QLineEdit(this);
    EditChannel->setObjectName(QStringLiteral("EditChannel"));
    EditChannel->setMaximumWidth(60);
    Options = new TImportOptionsBox(this);
    Options->AddRow(new QLabel(tr("Method"), this), ComboBoxMethod, true);
    Options->AddRow(new QLabel(tr("Channel"), this), EditChannel, true);
    Options->SetRateUnit(tr("Hz (text impulses)"), tr("from the file"));

    MemoReport = new QPlainTextEdit(this);
    MemoReport->setObjectName(QStringLiteral("MemoReport"));
    MemoReport->setReadOnly(true);
    MemoReport->setMinimumSize(560, 130);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addWidget(Options);
    layout->addWidget(MemoReport, 1);
    layout->addLayout(NewOkCancelRow(this, OKBtn, CancelBtn));

    connect(ButtonAdd, &QPushButton::clicked, this, [this] {
        if (!rules_) return;
        rules_->AddFiles(chooseFiles());
        FillFiles();
        Update();
    });
    connect(ButtonRemove, &QPushButton::clicked, this, [this] {
        if (!rules_ || ListFiles->currentRow() < 0) return;
        rules_->RemoveFile(static_cast<std::size_t>(ListFiles->currentRow()));
        FillFiles();
        Update();
    });
    connect(ComboBoxMethod, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { Update(); });
    connect(EditChannel, &QLineEdit::editingFinished, this, [this] { Update(); });
    connect(Options, &TImportOptionsBox::Changed, this, [this] { Update(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        Update();
        if (rules_ && rules_->CanAccept()) accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TAverageMeasurementsDlg::FillFiles() {
    ListFiles->clear();
    for (const auto& f : rules_->files()) ListFiles->addItem(QString::fromStdString(BaseName(f)));
}

void TAverageMeasurementsDlg::Bind(AverageDialogRules& rules) {
    rules_ = &rules;
    binding_ = true;
    FillFiles();
    ComboBoxMethod->setCurrentIndex(ComboBoxMethod->findData(static_cast<int>(rules.method())));
    EditChannel->setText(QString::fromStdString(rules.channelText()));
    Options->SetFields(rules.fields());
    binding_ = false;
    ShowOutcome();
}

void TAverageMeasurementsDlg::Update() {
    if (!rules_ || binding_) return;
    rules_->SetMethod(static_cast<AverageMethod>(ComboBoxMethod->currentData().toInt()));
    rules_->SetChannelText(EditChannel->text().trimmed().toStdString());
    rules_->SetFields(Options->Fields());
    if (rules_->stale() && !rules_->files().empty()) Refresh();
    ShowOutcome();
}

void TAverageMeasurementsDlg::Refresh() {
    RefreshWithProgress(this, tr("Average Measurements"), QString(),
                        [this](const ImportProgress& p) { rules_->Refresh(p); });
}

void TAverageMeasurementsDlg::ShowOutcome() {
    MemoReport->setPlainText(TrCore(rules_->ReportText()));
    OKBtn->setEnabled(rules_->CanAccept());
    ButtonRemove->setEnabled(!rules_->files().empty());
}

bool TAverageMeasurementsDlg::Execute(AverageDialogRules& rules) {
    Bind(rules);
    if (rules.files().empty()) {
        rules.AddFiles(chooseFiles());
        FillFiles();
        Update();
    }
    const bool ok = exec() == QDialog::Accepted;
    rules_ = nullptr;
    return ok && rules.CanAccept();
}

}  // namespace qv
