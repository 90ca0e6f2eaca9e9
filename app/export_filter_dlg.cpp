#include "app/export_filter_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "translations/language.h"

namespace qv {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

template <typename W>
W* Named(W* w, const char* name) {
    w->setObjectName(QString::fromUtf8(name));
    return w;
}

}  // namespace

TExportFilterDlg::TExportFilterDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ExportFilterDlg"));
    setWindowTitle(tr("Export Filter"));
    std::error_code ec;
    const auto here = std::filesystem::current_path(ec);
    if (!ec) rules_.folder = here.string();

    EditFolder = Named(new QLineEdit(this), "EditFolder");
    EditFolder->setMinimumWidth(260);
    ButtonFolder = Named(new QPushButton(QStringLiteral("\u2026"), this), "ButtonFolder");
    ButtonFolder->setMaximumWidth(32);
    EditName = Named(new QLineEdit(this), "EditName");
    ComboBoxFormat = Named(new QComboBox(this), "ComboBoxFormat");
    for (const std::string& f : ExportDialogRules::FormatChoices())
        ComboBoxFormat->addItem(TrCore(f));
    EditRates = Named(new QLineEdit(this), "EditRates");
    ComboBoxTaps = Named(new QComboBox(this), "ComboBoxTaps");
    ComboBoxTaps->setEditable(true);
    for (const std::string& t : ExportDialogRules::TapChoices()) ComboBoxTaps->addItem(Q(t));
    ComboBoxPhase = Named(new QComboBox(this), "ComboBoxPhase");
    ComboBoxPhase->addItem(tr("Linear (latency half the length)"));
    ComboBoxPhase->addItem(tr("Minimum (no latency, no delay target)"));
    CheckBoxCorrection =
        Named(new QCheckBox(tr("Add correction curve (amlin.cor)"), this), "CheckBoxCorrection");
    LabelFiles = Named(new QLabel(this), "LabelFiles");
    LabelFiles->setWordWrap(true);
    LabelFiles->setMinimumHeight(48);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(EditFolder);
    folderRow->addWidget(ButtonFolder);
    auto* form = new QFormLayout;
    form->addRow(tr("Folder:"), folderRow);
    form->addRow(tr("Name:"), EditName);
    form->addRow(tr("Format:"), ComboBoxFormat);
    form->addRow(tr("Rates (Hz):"), EditRates);
    form->addRow(tr("Length (taps):"), ComboBoxTaps);
    form->addRow(tr("Phase:"), ComboBoxPhase);
    form->addRow(QString(), CheckBoxCorrection);

    OKBtn = Named(new QPushButton(tr("Export"), this), "OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = Named(new QPushButton(tr("Cancel"), this), "CancelBtn");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(LabelFiles);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ButtonFolder, &QPushButton::clicked, this, [this] {
        const QString dir =
            QFileDialog::getExistingDirectory(this, tr("Folder"), EditFolder->text());
        if (!dir.isEmpty()) EditFolder->setText(dir);
    });
    for (QLineEdit* e : {EditFolder, EditName, EditRates})
        connect(e, &QLineEdit::textChanged, this, &TExportFilterDlg::Update);
    connect(ComboBoxTaps, &QComboBox::currentTextChanged, this, &TExportFilterDlg::Update);
    for (QComboBox* c : {ComboBoxFormat, ComboBoxPhase})
        connect(c, &QComboBox::currentIndexChanged, this, &TExportFilterDlg::Update);
    connect(CheckBoxCorrection, &QCheckBox::toggled, this, &TExportFilterDlg::Update);
}

bool TExportFilterDlg::Execute() {
    binding_ = true;
    EditFolder->setText(Q(rules_.folder));
    EditName->setText(Q(rules_.name));
    ComboBoxFormat->setCurrentIndex(static_cast<int>(rules_.format));
    EditRates->setText(Q(rules_.ratesText));
    ComboBoxTaps->setCurrentText(Q(rules_.tapsText));
    ComboBoxPhase->setCurrentIndex(rules_.phase == ExportPhase::Linear ? 0 : 1);
    CheckBoxCorrection->setChecked(rules_.applyCorrection);
    binding_ = false;
    Update();
    return exec() == QDialog::Accepted && rules_.Problem().empty();
}

void TExportFilterDlg::Update() {
    if (binding_) return;
    rules_.folder = EditFolder->text().toStdString();
    rules_.name = EditName->text().toStdString();
    rules_.format = static_cast<ExportFormat>(ComboBoxFormat->currentIndex());
    rules_.ratesText = EditRates->text().toStdString();
    rules_.tapsText = ComboBoxTaps->currentText().toStdString();
    rules_.phase = ComboBoxPhase->currentIndex() == 0 ? ExportPhase::Linear : ExportPhase::Minimum;
    rules_.applyCorrection = CheckBoxCorrection->isChecked();
    Show();
}

void TExportFilterDlg::Show() {
    const std::string problem = rules_.Problem();
    OKBtn->setEnabled(problem.empty());
    if (!problem.empty()) {
        LabelFiles->setText(TrCore(problem));
        return;
    }
    QStringList names;
    for (const std::string& f : rules_.Files())
        names << Q(std::filesystem::path(f).filename().string());
    LabelFiles->setText(tr("Writes: ") + names.join(QStringLiteral(", ")));
}

}  // namespace qv
