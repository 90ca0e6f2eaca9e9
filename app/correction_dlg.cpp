#include "app/correction_dlg.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "correction/smoothing.h"
#include "curves/tr.h"
#include "translations/language.h"

namespace qv {
namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QLineEdit* NewEdit(QWidget* parent, const char* name, const std::string& text, int width = 80) {
    auto* e = new QLineEdit(Q(text), parent);
    e->setObjectName(QString::fromUtf8(name));
    e->setMaximumWidth(width);
    return e;
}

QHBoxLayout* OkCancel(QPushButton*& ok, QPushButton*& cancel, QDialog* d) {
    ok = new QPushButton(QCoreApplication::translate("qv::TSmoothingDlg", "OK"), d);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    cancel = new QPushButton(QCoreApplication::translate("qv::TSmoothingDlg", "Cancel"), d);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    QObject::connect(cancel, &QPushButton::clicked, d, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

// A field with its unit to the right.
QWidget* WithUnit(QWidget* field, const QString& unit, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(field);
    row->addWidget(new QLabel(unit, box));
    row->addStretch();
    return box;
}

}  // namespace

TSmoothingDlg::TSmoothingDlg(Workspace& ws, UserInterface& ui, QWidget* parent)
    : QDialog(parent), ws_(ws), ui_(ui), logic_(ws) {
    setObjectName(QStringLiteral("SmoothingDlg"));
    setWindowTitle(tr("Smoothing"));
    ComboBoxFraction = new QComboBox(this);
    ComboBoxFraction->setObjectName(QStringLiteral("ComboBoxFraction"));
    for (int n : SmoothingFractions()) {
        ComboBoxFraction->addItem(Q(SmoothingDialogLogic::FractionCaption(n)) + tr(" octave"), n);
        if (n == SmoothingDialogLogic::kDefaultFraction)
            ComboBoxFraction->setCurrentIndex(ComboBoxFraction->count() - 1);
    }
    // Last, so that the widths keep their places in the list.
    ComboBoxFraction->addItem(
        TrCore(SmoothingDialogLogic::FractionCaption(SmoothingDialogLogic::kNone)),
        SmoothingDialogLogic::kNone);
    ComboBoxCurve = new QComboBox(this);
    ComboBoxCurve->setObjectName(QStringLiteral("ComboBoxCurve"));
    auto* form = new QFormLayout;
    form->addRow(tr("Width:"), ComboBoxFraction);
    form->addRow(tr("Curve:"), ComboBoxCurve);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(OkCancel(OKBtn, CancelBtn, this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    LabelProblem = new QLabel(this);
    LabelProblem->setObjectName(QStringLiteral("LabelProblem"));
    LabelProblem->setStyleSheet(QStringLiteral("QLabel { color: #b00000; }"));
    layout->insertWidget(1, LabelProblem);
    LabelProblem->hide();
    connect(OKBtn, &QPushButton::clicked, this, &TSmoothingDlg::OKBtnClick);
    for (QComboBox* box : {ComboBoxFraction, ComboBoxCurve})
        connect(box, qOverload<int>(&QComboBox::currentIndexChanged), this,
                &TSmoothingDlg::FieldChanged);
}

// The preview: the diagram shows the choice at once; a choice that cannot
// be shown says why under the fields instead of in a message box.
void TSmoothingDlg::FieldChanged() {
    if (filling_) return;
    struct Catcher : SilentUserInterface {
        std::string text;
        void Message(const std::string& t) override { text = t; }
    } catcher;
    logic_.Preview(ComboBoxCurve->currentData().toInt(), ComboBoxFraction->currentData().toInt(),
                   catcher);
    LabelProblem->setText(TrCore(catcher.text));
    LabelProblem->setVisible(!catcher.text.empty());
    if (repaint_) repaint_();
}

void TSmoothingDlg::Execute() {
    filling_ = true;
    ComboBoxCurve->clear();
    for (int k = 1; k <= 4; ++k) {
        const CurveSlot& s = ws_.Current().Slot(k);
        const std::string name = s.points.empty() ? QV_TR("(empty)") : s.name;
        ComboBoxCurve->addItem(Q(std::to_string(k) + ": ") + TrCore(name), k);
    }
    ComboBoxCurve->setCurrentIndex(SmoothingDialogLogic::kDefaultSlot - 1);
    filling_ = false;
    logic_.Begin();
    FieldChanged();
    if (exec() != QDialog::Accepted) logic_.Cancel();
    if (repaint_) repaint_();
}

void TSmoothingDlg::OKBtnClick() {
    if (!logic_.Preview(ComboBoxCurve->currentData().toInt(),
                        ComboBoxFraction->currentData().toInt(), ui_))
        return;
    logic_.Accept();
    if (repaint_) repaint_();
    accept();
}

TCorrectionTargetDlg::TCorrectionTargetDlg(Workspace& ws, UserInterface& ui,
                                           CurveFileReader readHouseCurve, QWidget* parent)
    : QDialog(parent), logic_(ws, std::move(readHouseCurve)), ui_(ui) {
    setObjectName(QStringLiteral("CorrectionTargetDlg"));
    setWindowTitle(tr("Correction Target"));
    const CorrectionTargetFields start;
    EditFrom = NewEdit(this, "EditFrom", start.from);
    EditTo = NewEdit(this, "EditTo", start.to);
    EditBoost = NewEdit(this, "EditBoost", start.maxBoost);
    EditCut = NewEdit(this, "EditCut", start.maxCut);
    ComboBoxSmoothing = new QComboBox(this);
    ComboBoxSmoothing->setObjectName(QStringLiteral("ComboBoxSmoothing"));
    ComboBoxSmoothing->addItem(tr("none"), 0);
    for (int n : SmoothingFractions())
        ComboBoxSmoothing->addItem(Q(SmoothingDialogLogic::FractionCaption(n)) + tr(" octave"), n);
    ComboBoxSmoothing->setCurrentIndex(ComboBoxSmoothing->findData(start.smoothing));
    EditReference = NewEdit(this, "EditReference", start.reference);
    EditReference->setPlaceholderText(tr("band mean"));

    auto* band = new QGroupBox(tr("Band and limits"), this);
    auto* bandForm = new QFormLayout(band);
    bandForm->addRow(tr("From:"), WithUnit(EditFrom, QStringLiteral("Hz"), band));
    bandForm->addRow(tr("To:"), WithUnit(EditTo, QStringLiteral("Hz"), band));
    bandForm->addRow(tr("Max. boost:"), WithUnit(EditBoost, QStringLiteral("dB"), band));
    bandForm->addRow(tr("Max. cut:"), WithUnit(EditCut, QStringLiteral("dB"), band));
    bandForm->addRow(tr("Smoothing:"), ComboBoxSmoothing);
    bandForm->addRow(tr("0 dB at:"), WithUnit(EditReference, QStringLiteral("Hz"), band));

    auto* target = new QGroupBox(tr("Target"), this);
    auto* grid = new QGridLayout(target);
    RadioButtonFlat = new QRadioButton(tr("Flat"), target);
    RadioButtonFlat->setObjectName(QStringLiteral("RadioButtonFlat"));
    RadioButtonFlat->setChecked(true);
    RadioButtonTilt = new QRadioButton(tr("Tilt"), target);
    RadioButtonTilt->setObjectName(QStringLiteral("RadioButtonTilt"));
    RadioButtonHouse = new QRadioButton(tr("House curve"), target);
    RadioButtonHouse->setObjectName(QStringLiteral("RadioButtonHouse"));
    EditTilt = NewEdit(target, "EditTilt", start.tilt);
    EditHouseFile = NewEdit(target, "EditHouseFile", start.houseFile, 220);
    ButtonHouseFile = new QPushButton(QStringLiteral("…"), target);
    ButtonHouseFile->setObjectName(QStringLiteral("ButtonHouseFile"));
    ButtonHouseFile->setMaximumWidth(30);
    grid->addWidget(RadioButtonFlat, 0, 0);
    grid->addWidget(RadioButtonTilt, 1, 0);
    grid->addWidget(WithUnit(EditTilt, tr("dB/octave"), target), 1, 1, 1, 2);
    grid->addWidget(RadioButtonHouse, 2, 0);
    grid->addWidget(EditHouseFile, 2, 1);
    grid->addWidget(ButtonHouseFile, 2, 2);

    auto* delay = new QGroupBox(tr("Group Delay"), this);
    auto* delayRow = new QHBoxLayout(delay);
    CheckBoxDelay = new QCheckBox(tr("Delay correction, max."), delay);
    CheckBoxDelay->setObjectName(QStringLiteral("CheckBoxDelay"));
    EditMaxDelay = NewEdit(delay, "EditMaxDelay", start.maxDelay);
    delayRow->addWidget(CheckBoxDelay);
    delayRow->addWidget(WithUnit(EditMaxDelay, QStringLiteral("ms"), delay));

    LabelProblem = new QLabel(this);
    LabelProblem->setObjectName(QStringLiteral("LabelProblem"));
    LabelProblem->setStyleSheet(QStringLiteral("QLabel { color: #b00000; }"));
    LabelProblem->setWordWrap(true);
    LabelProblem->setMinimumWidth(360);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(band);
    layout->addWidget(target);
    layout->addWidget(delay);
    layout->addWidget(LabelProblem);
    layout->addLayout(OkCancel(OKBtn, CancelBtn, this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QLineEdit* e : {EditFrom, EditTo, EditBoost, EditCut, EditTilt, EditHouseFile,
                         EditReference, EditMaxDelay})
        connect(e, &QLineEdit::textChanged, this, &TCorrectionTargetDlg::FieldChanged);
    for (QRadioButton* r : {RadioButtonFlat, RadioButtonTilt, RadioButtonHouse})
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on) FieldChanged();
        });
    connect(ComboBoxSmoothing, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TCorrectionTargetDlg::FieldChanged);
    connect(CheckBoxDelay, &QCheckBox::toggled, this, &TCorrectionTargetDlg::FieldChanged);
    connect(ButtonHouseFile, &QPushButton::clicked, this, &TCorrectionTargetDlg::ChooseHouseFile);
    connect(OKBtn, &QPushButton::clicked, this, &TCorrectionTargetDlg::OKBtnClick);
}

CorrectionTargetFields TCorrectionTargetDlg::Fields() const {
    CorrectionTargetFields f;
    f.from = EditFrom->text().toStdString();
    f.to = EditTo->text().toStdString();
    f.maxBoost = EditBoost->text().toStdString();
    f.maxCut = EditCut->text().toStdString();
    f.smoothing = ComboBoxSmoothing->currentData().toInt();
    f.shape = RadioButtonTilt->isChecked()    ? TargetShape::Tilt
              : RadioButtonHouse->isChecked() ? TargetShape::House
                                              : TargetShape::Flat;
    f.tilt = EditTilt->text().toStdString();
    f.houseFile = EditHouseFile->text().toStdString();
    f.reference = EditReference->text().trimmed().toStdString();
    f.delayCorrection = CheckBoxDelay->isChecked();
    f.maxDelay = EditMaxDelay->text().toStdString();
    return f;
}

void TCorrectionTargetDlg::SetFields(const CorrectionTargetFields& f) {
    // Filling the fields is no edit: no preview before Begin.
    const QSignalBlocker blockers[] = {
        QSignalBlocker(EditFrom),          QSignalBlocker(EditTo),
        QSignalBlocker(EditBoost),         QSignalBlocker(EditCut),
        QSignalBlocker(ComboBoxSmoothing), QSignalBlocker(RadioButtonFlat),
        QSignalBlocker(RadioButtonTilt),   QSignalBlocker(RadioButtonHouse),
        QSignalBlocker(EditTilt),          QSignalBlocker(EditHouseFile),
        QSignalBlocker(EditReference),     QSignalBlocker(CheckBoxDelay),
        QSignalBlocker(EditMaxDelay)};
    EditFrom->setText(Q(f.from));
    EditTo->setText(Q(f.to));
    EditBoost->setText(Q(f.maxBoost));
    EditCut->setText(Q(f.maxCut));
    ComboBoxSmoothing->setCurrentIndex(std::max(0, ComboBoxSmoothing->findData(f.smoothing)));
    RadioButtonFlat->setChecked(f.shape == TargetShape::Flat);
    RadioButtonTilt->setChecked(f.shape == TargetShape::Tilt);
    RadioButtonHouse->setChecked(f.shape == TargetShape::House);
    EditTilt->setText(Q(f.tilt));
    EditHouseFile->setText(Q(f.houseFile));
    EditReference->setText(Q(f.reference));
    CheckBoxDelay->setChecked(f.delayCorrection);
    EditMaxDelay->setText(Q(f.maxDelay));
}

void TCorrectionTargetDlg::FieldChanged() {
    const auto problem = logic_.Preview(Fields());
    LabelProblem->setText(problem ? TrCore(*problem) : QString());
    if (repaint_) repaint_();
}

void TCorrectionTargetDlg::ChooseHouseFile() {
    if (auto name = ui_.ChooseOpenFile("(*.*)|*.*")) {
        EditHouseFile->setText(Q(*name));
        RadioButtonHouse->setChecked(true);
    }
}

void TCorrectionTargetDlg::OKBtnClick() {
    if (logic_.Accept(Fields(), ui_)) accept();
}

void TCorrectionTargetDlg::Execute(TargetSettings& accepted) {
    if (!(accepted == known_)) {
        SetFields(logic_.FieldsFor(accepted));
        known_ = accepted;
    }
    logic_.Begin();
    FieldChanged();
    if (exec() == QDialog::Accepted) {
        accepted = logic_.settings();
        known_ = accepted;
    } else {
        logic_.Cancel();
    }
    if (repaint_) repaint_();
}

}  // namespace qv
