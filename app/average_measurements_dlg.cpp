#include "app/average_measurements_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "curves/time_left.h"
#include "measurements/line_stream.h"
#include "translations/language.h"

namespace qv {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QLineEdit* NewEdit(QWidget* parent, const char* name, int width) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaximumWidth(width);
    return e;
}

}  // namespace

TAverageMeasurementsDlg::TAverageMeasurementsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AverageMeasurementsDlg"));
    setWindowTitle(QStringLiteral("Average Measurements"));
    chooseFiles = [this] {
        std::vector<std::string> out;
        const QStringList names = QFileDialog::getOpenFileNames(
            this, QStringLiteral("Average Measurements"), QString(),
            QStringLiteral("Measurements (*.frd *.txt *.csv *.dat *.wav *.flac *.aif *.aiff "
                           "*.w64);;(*.*)"));
        for (const QString& n : names) out.push_back(n.toStdString());
        return out;
    };

    ListFiles = new QListWidget(this);
    ListFiles->setObjectName(QStringLiteral("ListFiles"));
    ListFiles->setMinimumHeight(110);
    ButtonAdd = new QPushButton(QStringLiteral("Add\u2026"), this);
    ButtonAdd->setObjectName(QStringLiteral("ButtonAdd"));
    ButtonRemove = new QPushButton(QStringLiteral("Remove"), this);
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
    ComboBoxMethod->addItem(QStringLiteral("Power (mean of 10^(L/10))"),
                            static_cast<int>(AverageMethod::Power));
    ComboBoxMethod->addItem(QStringLiteral("dB (mean of L)"), static_cast<int>(AverageMethod::Db));
    ComboBoxMethod->addItem(QStringLiteral("Vector (aligned impulses)"),
                            static_cast<int>(AverageMethod::Vector));
    EditChannel = NewEdit(this, "EditChannel", 60);
    EditRate = NewEdit(this, "EditRate", 110);
    EditRate->setPlaceholderText(QStringLiteral("from the file"));
    CheckBoxGate = new QCheckBox(QStringLiteral("Gate"), this);
    CheckBoxGate->setObjectName(QStringLiteral("CheckBoxGate"));
    EditGateFrom = NewEdit(this, "EditGateFrom", 80);
    EditGateTo = NewEdit(this, "EditGateTo", 80);
    CheckBoxFdw = new QCheckBox(QStringLiteral("Window"), this);
    CheckBoxFdw->setObjectName(QStringLiteral("CheckBoxFdw"));
    EditFdw = NewEdit(this, "EditFdw", 80);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Method"), this), 0, 0);
    grid->addWidget(ComboBoxMethod, 0, 1, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Channel"), this), 1, 0);
    grid->addWidget(EditChannel, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Sample rate"), this), 2, 0);
    grid->addWidget(EditRate, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Hz (text impulses)"), this), 2, 2, 1, 3);
    grid->addWidget(CheckBoxGate, 3, 0);
    grid->addWidget(EditGateFrom, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("to"), this), 3, 2);
    grid->addWidget(EditGateTo, 3, 3);
    grid->addWidget(new QLabel(QStringLiteral("ms around the peak"), this), 3, 4);
    grid->addWidget(CheckBoxFdw, 4, 0);
    grid->addWidget(EditFdw, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("cycles (frequency-dependent)"), this), 4, 2, 1, 3);
    grid->setColumnStretch(5, 1);

    MemoReport = new QPlainTextEdit(this);
    MemoReport->setObjectName(QStringLiteral("MemoReport"));
    MemoReport->setReadOnly(true);
    MemoReport->setMinimumSize(560, 130);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addLayout(grid);
    layout->addWidget(MemoReport, 1);
    layout->addLayout(buttons);

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
    for (QCheckBox* box : {CheckBoxGate, CheckBoxFdw})
        connect(box, &QCheckBox::toggled, this, [this] { Update(); });
    for (QLineEdit* e : {EditChannel, EditRate, EditGateFrom, EditGateTo, EditFdw})
        connect(e, &QLineEdit::editingFinished, this, [this] { Update(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        Update();
        if (rules_ && rules_->CanAccept()) accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TAverageMeasurementsDlg::FillFiles() {
    ListFiles->clear();
    for (const auto& f : rules_->files()) ListFiles->addItem(Q(BaseName(f)));
}

void TAverageMeasurementsDlg::Bind(AverageDialogRules& rules) {
    rules_ = &rules;
    binding_ = true;
    FillFiles();
    ComboBoxMethod->setCurrentIndex(ComboBoxMethod->findData(static_cast<int>(rules.method())));
    EditChannel->setText(Q(rules.channelText()));
    const ImpulseFields& f = rules.fields();
    EditRate->setText(Q(f.rate));
    CheckBoxGate->setChecked(f.gateOn);
    EditGateFrom->setText(Q(f.gateFrom));
    EditGateTo->setText(Q(f.gateTo));
    CheckBoxFdw->setChecked(f.fdwOn);
    EditFdw->setText(Q(f.fdwCycles));
    binding_ = false;
    ShowOutcome();
}

void TAverageMeasurementsDlg::Update() {
    if (!rules_ || binding_) return;
    rules_->SetMethod(static_cast<AverageMethod>(ComboBoxMethod->currentData().toInt()));
    rules_->SetChannelText(EditChannel->text().trimmed().toStdString());
    ImpulseFields f;
    f.rate = EditRate->text().trimmed().toStdString();
    f.gateOn = CheckBoxGate->isChecked();
    f.gateFrom = EditGateFrom->text().trimmed().toStdString();
    f.gateTo = EditGateTo->text().trimmed().toStdString();
    f.fdwOn = CheckBoxFdw->isChecked();
    f.fdwCycles = EditFdw->text().trimmed().toStdString();
    EditGateFrom->setEnabled(f.gateOn);
    EditGateTo->setEnabled(f.gateOn);
    EditFdw->setEnabled(f.fdwOn);
    rules_->SetFields(f);
    if (rules_->stale() && !rules_->files().empty()) RefreshWithProgress();
    ShowOutcome();
}

void TAverageMeasurementsDlg::RefreshWithProgress() {
    std::unique_ptr<QProgressDialog> progress;
    QElapsedTimer clock;
    clock.start();
    try {
        rules_->Refresh([&](double fraction) {
            // Only an average that takes a while shows the progress dialog.
            if (!progress && clock.elapsed() > 300) {
                progress =
                    std::make_unique<QProgressDialog>(QStringLiteral("Average Measurements"),
                                                      QStringLiteral("Cancel"), 0, 1000, this);
                progress->setWindowTitle(QStringLiteral("Average Measurements"));
                progress->setWindowModality(Qt::WindowModal);
                progress->setMinimumDuration(0);
                progress->setMinimumWidth(420);
            }
            if (!progress) return true;
            progress->setLabelText(QStringLiteral("%1 %  -  %2")
                                       .arg(static_cast<int>(fraction * 100))
                                       .arg(Q(TimeLeftText(clock.elapsed(), fraction))));
            progress->setValue(static_cast<int>(fraction * 1000));
            QCoreApplication::processEvents();
            return !progress->wasCanceled();
        });
    } catch (const ImportCancelled&) {
        // The report says so; OK stays off until the next average.
    }
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
