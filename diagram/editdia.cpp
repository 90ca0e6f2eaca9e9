#include "diagram/editdia.h"

#include <QAbstractSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "translations/language.h"

namespace qv {

// A spin edit whose value and limits belong to the rules; a step runs the
// rules, and the dialog then shows all four edits anew. Typed text goes to
// the rules as it is; OK checks it.
class RuleSpinEdit : public QAbstractSpinBox {
  public:
    RuleSpinEdit(EditDiagramRules& rules, RangeEdit which, std::function<void()> changed,
                 QWidget* parent)
        : QAbstractSpinBox(parent), rules_(rules), which_(which), changed_(std::move(changed)) {
        setAlignment(Qt::AlignRight);
        connect(lineEdit(), &QLineEdit::textEdited, this,
                [this](const QString& text) { rules_.Type(which_, text.toStdString()); });
        Show();
    }

    void Show() {
        const QString text = QString::fromStdString(rules_.Text(which_));
        if (lineEdit()->text() != text) lineEdit()->setText(text);
    }
    int value() const { return rules_.Edit(which_).Value(); }

    void stepBy(int steps) override {
        if (rules_.StepBy(which_, steps)) changed_();
    }

  protected:
    StepEnabled stepEnabled() const override {
        if (!rules_.CanStep(which_)) return StepNone;
        const SpinEdit& e = rules_.Edit(which_);
        StepEnabled on = StepNone;
        if (e.Value() < e.MaxValue()) on |= StepUpEnabled;
        if (e.Value() > e.MinValue()) on |= StepDownEnabled;
        return on;
    }

  private:
    EditDiagramRules& rules_;
    RangeEdit which_;
    std::function<void()> changed_;
};

namespace {

QGroupBox* AxisGroup(QWidget* parent, const char* caption, int left, QRadioButton*& lin,
                     QRadioButton*& log) {
    auto* box = new QGroupBox(TEditDiagrammDlg::tr(caption), parent);
    box->setGeometry(left, 16, 105, 185);
    lin = new QRadioButton(TEditDiagrammDlg::tr("lin"), box);
    lin->setGeometry(16, 24, 73, 17);
    log = new QRadioButton(TEditDiagrammDlg::tr("log"), box);
    log->setGeometry(16, 48, 73, 17);
    return box;
}

void PlaceSpinEdit(QGroupBox* box, const char* label, int top, RuleSpinEdit* edit) {
    auto* l = new QLabel(TEditDiagrammDlg::tr(label), box);
    l->setGeometry(16, top, 73, 13);
    edit->setParent(box);
    edit->setGeometry(16, top + 16, 73, 22);
}

}  // namespace

TEditDiagrammDlg::TEditDiagrammDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EditDiagrammDlg"));
    setWindowTitle(tr("Edit Diagramm"));
    setFixedSize(383, 218);

    QGroupBox* x = AxisGroup(this, QT_TR_NOOP("x-Achse"), 24, ButtonXLin, ButtonXLog);
    x->setObjectName(QStringLiteral("GroupBox1"));
    QGroupBox* y = AxisGroup(this, QT_TR_NOOP("y-Achse"), 152, ButtonYLin, ButtonYLog);
    y->setObjectName(QStringLiteral("GroupBox2"));
    ButtonXLin->setObjectName(QStringLiteral("ButtonXLin"));
    ButtonXLog->setObjectName(QStringLiteral("ButtonXLog"));
    ButtonYLin->setObjectName(QStringLiteral("ButtonYLin"));
    ButtonYLog->setObjectName(QStringLiteral("ButtonYLog"));

    const auto refresh = [this] { ShowRules(); };
    SpinEditxvon = new RuleSpinEdit(rules_, RangeEdit::SpinEditxvon, refresh, this);
    SpinEditxbis = new RuleSpinEdit(rules_, RangeEdit::SpinEditxbis, refresh, this);
    SpinEdityvon = new RuleSpinEdit(rules_, RangeEdit::SpinEdityvon, refresh, this);
    SpinEditybis = new RuleSpinEdit(rules_, RangeEdit::SpinEditybis, refresh, this);
    SpinEditxvon->setObjectName(QStringLiteral("SpinEditxvon"));
    SpinEditxbis->setObjectName(QStringLiteral("SpinEditxbis"));
    SpinEdityvon->setObjectName(QStringLiteral("SpinEdityvon"));
    SpinEditybis->setObjectName(QStringLiteral("SpinEditybis"));
    PlaceSpinEdit(x, QT_TR_NOOP("von:"), 80, SpinEditxvon);
    PlaceSpinEdit(x, QT_TR_NOOP("bis:"), 128, SpinEditxbis);
    PlaceSpinEdit(y, QT_TR_NOOP("von:"), 80, SpinEdityvon);
    PlaceSpinEdit(y, QT_TR_NOOP("bis:"), 128, SpinEditybis);

    ButtonOK = new QPushButton(tr("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setGeometry(280, 20, 85, 25);
    ButtonOK->setDefault(true);
    ButtonAbbrechen = new QPushButton(tr("Abbrechen"), this);
    ButtonAbbrechen->setObjectName(QStringLiteral("ButtonAbbrechen"));
    ButtonAbbrechen->setGeometry(280, 56, 85, 25);
    connect(ButtonOK, &QPushButton::clicked, this, [this] { ButtonOKClick(); });
    connect(ButtonAbbrechen, &QPushButton::clicked, this, [this] { ButtonAbbrechenClick(); });
}

QAbstractSpinBox* TEditDiagrammDlg::spinEdit(RangeEdit which) const {
    return ForRangeEdit(which, SpinEditxvon, SpinEditxbis, SpinEdityvon, SpinEditybis);
}

int TEditDiagrammDlg::Execute(Diagram& diagram) {
    diagram_ = &diagram;
    FormShow();
    return exec();
}

void TEditDiagrammDlg::FormShow() {
    if (diagram_ != nullptr) rules_.FormShow(*diagram_);
    // Exclusive groups cannot show both buttons unchecked; switch that off briefly.
    for (QRadioButton* b : {ButtonXLin, ButtonXLog, ButtonYLin, ButtonYLog})
        b->setAutoExclusive(false);
    ButtonXLin->setChecked(rules_.ButtonXLin);
    ButtonXLog->setChecked(rules_.ButtonXLog);
    ButtonYLin->setChecked(rules_.ButtonYLin);
    ButtonYLog->setChecked(rules_.ButtonYLog);
    for (QRadioButton* b : {ButtonXLin, ButtonXLog, ButtonYLin, ButtonYLog})
        b->setAutoExclusive(true);
    ShowRules();
}

void TEditDiagrammDlg::TakeRadioButtons() {
    rules_.ButtonXLin = ButtonXLin->isChecked();
    rules_.ButtonXLog = ButtonXLog->isChecked();
    rules_.ButtonYLin = ButtonYLin->isChecked();
    rules_.ButtonYLog = ButtonYLog->isChecked();
}

void TEditDiagrammDlg::ShowRules() {
    for (RuleSpinEdit* e : {SpinEditxvon, SpinEditxbis, SpinEdityvon, SpinEditybis}) {
        e->Show();
        e->update();
    }
}

void TEditDiagrammDlg::ButtonOKClick() {
    TakeRadioButtons();
    if (const auto error = rules_.TakeTyped()) {
        QMessageBox::warning(this, windowTitle(), TrCore(error->message));
        QAbstractSpinBox* edit = spinEdit(error->which);
        edit->setFocus();
        edit->selectAll();
        return;
    }
    ShowRules();
    if (diagram_ != nullptr) rules_.ButtonOKClick(*diagram_);
    if (repaint_) repaint_();
    accept();
}

void TEditDiagrammDlg::ButtonAbbrechenClick() {
    TakeRadioButtons();
    reject();
}

}  // namespace qv
