#include "app/import_options_box.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <memory>

#include "curves/time_left.h"
#include "translations/language.h"

namespace qv {
namespace {

// The impulse rows stand below every row a dialog adds.
constexpr int kRateRow = 8;

QLineEdit* NewEdit(QWidget* parent, const char* name, int width) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaximumWidth(width);
    return e;
}

QCheckBox* NewBox(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QCheckBox(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

std::string Trimmed(const QLineEdit* e) {
    return e->text().trimmed().toStdString();
}

}  // namespace

TImportOptionsBox::TImportOptionsBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ImportOptionsBox"));
    LabelRate = new QLabel(tr("Sample rate"), this);
    EditRate = NewEdit(this, "EditRate", 110);
    labelRateUnit_ = new QLabel(tr("Hz"), this);
    CheckBoxGate = NewBox(this, "CheckBoxGate", tr("Gate"));
    EditGateFrom = NewEdit(this, "EditGateFrom", 80);
    EditGateTo = NewEdit(this, "EditGateTo", 80);
    CheckBoxFdw = NewBox(this, "CheckBoxFdw", tr("Window"));
    CheckBoxFdw->setToolTip(
        tr("The level through a frequency-dependent window; the group delay of an "
           "impulse always goes through one (15 cycles unless given)."));
    EditFdw = NewEdit(this, "EditFdw", 80);
    auto* labelTo = new QLabel(tr("to"), this);
    auto* labelMs = new QLabel(tr("ms around the peak"), this);
    auto* labelCycles = new QLabel(tr("cycles (frequency-dependent)"), this);

    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->addWidget(LabelRate, kRateRow, 0);
    grid_->addWidget(EditRate, kRateRow, 1);
    grid_->addWidget(labelRateUnit_, kRateRow, 2, 1, 3);
    grid_->addWidget(CheckBoxGate, kRateRow + 1, 0);
    // A row's fields side by side, left-aligned.
    auto fields = [](std::initializer_list<QWidget*> widgets) {
        auto* row = new QHBoxLayout;
        for (QWidget* w : widgets) row->addWidget(w);
        row->addStretch(1);
        return row;
    };
    grid_->addLayout(fields({EditGateFrom, labelTo, EditGateTo, labelMs}), kRateRow + 1, 1, 1, 4);
    grid_->addWidget(CheckBoxFdw, kRateRow + 2, 0);
    grid_->addLayout(fields({EditFdw, labelCycles}), kRateRow + 2, 1, 1, 4);
    grid_->setColumnStretch(4, 1);

    rateRow_ = {LabelRate, EditRate, labelRateUnit_};
    gateRows_ = {CheckBoxGate, EditGateFrom, labelTo, EditGateTo,
                 labelMs,      CheckBoxFdw,  EditFdw, labelCycles};

    for (QCheckBox* box : {CheckBoxGate, CheckBoxFdw})
        connect(box, &QCheckBox::toggled, this, [this] {
            EnableEdits();
            if (!setting_) Q_EMIT Changed();
        });
    for (QLineEdit* e : {EditRate, EditGateFrom, EditGateTo, EditFdw})
        connect(e, &QLineEdit::editingFinished, this, [this] {
            if (!setting_) Q_EMIT Changed();
        });
    EnableEdits();
}

void TImportOptionsBox::AddRow(QWidget* label, QWidget* field, bool narrow) {
    Q_ASSERT(ownRows_ < kRateRow);
    grid_->addWidget(label, ownRows_, 0);
    grid_->addWidget(field, ownRows_++, 1, 1, 4, narrow ? Qt::AlignLeft : Qt::Alignment());
}

void TImportOptionsBox::SetRateUnit(const QString& unit, const QString& placeholder) {
    labelRateUnit_->setText(unit);
    EditRate->setPlaceholderText(placeholder);
}

void TImportOptionsBox::ShowRate(bool on) {
    for (QWidget* w : rateRow_) w->setVisible(on);
}

void TImportOptionsBox::ShowGate(bool on) {
    for (QWidget* w : gateRows_) w->setVisible(on);
}

void TImportOptionsBox::SetFields(const ImpulseFields& f) {
    setting_ = true;
    EditRate->setText(QString::fromStdString(f.rate));
    CheckBoxGate->setChecked(f.gateOn);
    EditGateFrom->setText(QString::fromStdString(f.gateFrom));
    EditGateTo->setText(QString::fromStdString(f.gateTo));
    CheckBoxFdw->setChecked(f.fdwOn);
    EditFdw->setText(QString::fromStdString(f.fdwCycles));
    EnableEdits();
    setting_ = false;
}

ImpulseFields TImportOptionsBox::Fields() const {
    ImpulseFields f;
    f.rate = Trimmed(EditRate);
    f.gateOn = CheckBoxGate->isChecked();
    f.gateFrom = Trimmed(EditGateFrom);
    f.gateTo = Trimmed(EditGateTo);
    f.fdwOn = CheckBoxFdw->isChecked();
    f.fdwCycles = Trimmed(EditFdw);
    return f;
}

void TImportOptionsBox::EnableEdits() {
    EditGateFrom->setEnabled(CheckBoxGate->isChecked());
    EditGateTo->setEnabled(CheckBoxGate->isChecked());
    EditFdw->setEnabled(CheckBoxFdw->isChecked());
}

QLayout* NewOkCancelRow(QWidget* parent, QPushButton*& ok, QPushButton*& cancel) {
    ok = new QPushButton(TImportOptionsBox::tr("OK"), parent);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    cancel = new QPushButton(TImportOptionsBox::tr("Cancel"), parent);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

void RefreshWithProgress(QWidget* parent, const QString& title, const QString& what,
                         const std::function<void(const ImportProgress&)>& refresh) {
    std::unique_ptr<QProgressDialog> progress;
    QElapsedTimer clock;
    clock.start();
    try {
        refresh([&](double fraction) {
            // Only work that takes a while shows the progress dialog.
            if (!progress && clock.elapsed() > 300) {
                progress = std::make_unique<QProgressDialog>(title, TImportOptionsBox::tr("Cancel"),
                                                             0, 1000, parent);
                progress->setWindowTitle(title);
                progress->setWindowModality(Qt::WindowModal);
                progress->setMinimumDuration(0);
                progress->setMinimumWidth(420);
            }
            if (!progress) return true;
            QString text = QStringLiteral("%1 %  -  %2")
                               .arg(static_cast<int>(fraction * 100))
                               .arg(TrCore(TimeLeftText(clock.elapsed(), fraction)));
            if (!what.isEmpty()) text = what + QLatin1Char('\n') + text;
            progress->setLabelText(text);
            progress->setValue(static_cast<int>(fraction * 1000));
            QCoreApplication::processEvents();
            return !progress->wasCanceled();
        });
    } catch (const ImportCancelled&) {
        // The rules' report says so; OK stays off until the next run.
    }
}

}  // namespace qv
