#include "app/cutimpuls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/constant_dlg.h"

namespace qv {
namespace {

QSpinBox* MakeUpDown(QWidget* parent, const char* name, const char* editName, int initial) {
    auto* upDown = new QSpinBox(parent);
    upDown->setObjectName(QString::fromLatin1(name));
    upDown->setRange(CutLimits::kMin, CutLimits::kMax);
    upDown->setWrapping(false);
    upDown->setValue(initial);
    upDown->setMinimumWidth(110);
    upDown->findChild<QLineEdit*>()->setObjectName(QString::fromLatin1(editName));
    return upDown;
}

}  // namespace

TCutImpulsDlg::TCutImpulsDlg(Workspace& ws, AutoRangeStep autoRange, QWidget* parent)
    : QDialog(parent), ws_(ws), autoRange_(std::move(autoRange)) {
    setObjectName(QStringLiteral("TCutImpulsDlg"));
    setWindowTitle(tr("Cut Impuls"));

    UpDownFrom = MakeUpDown(this, "UpDownFrom", "EditFrom", CutLimits::kInitialFrom);
    EditFrom = UpDownFrom->findChild<QLineEdit*>();
    UpDownTo = MakeUpDown(this, "UpDownTo", "EditTo", CutLimits::kInitialTo);
    EditTo = UpDownTo->findChild<QLineEdit*>();

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &TCutImpulsDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QGridLayout;
    auto* labelFrom = new QLabel(tr("From:"), this);
    labelFrom->setBuddy(UpDownFrom);
    auto* labelTo = new QLabel(tr("To:"), this);
    labelTo->setBuddy(UpDownTo);
    fields->addWidget(labelFrom, 0, 0);
    fields->addWidget(UpDownFrom, 0, 1);
    fields->addWidget(labelTo, 1, 0);
    fields->addWidget(UpDownTo, 1, 1);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TCutImpulsDlg::OKBtnClick() {
    // A half-typed number counts as what the field shows after leaving it.
    UpDownFrom->interpretText();
    UpDownTo->interpretText();
    lastOutcome_ = CutImpuls(ws_, UpDownFrom->value(), UpDownTo->value(), autoRange_);
    if (lastOutcome_.NeedsRepaint() && repaint_) repaint_();
    accept();
}

void TCutImpulsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

}  // namespace qv
