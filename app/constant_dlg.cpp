#include "app/constant_dlg.h"
#include "translations/language.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValidator>

namespace qv {
namespace {

// The character a key press would type into the field; 0 for keys that type
// nothing (cursor keys, Delete, Tab, Escape, shortcuts), which the filter
// leaves alone.
char32_t TypedCharacter(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Backspace) return 8;
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return 13;
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    const QString text = key.text();
    if (text.isEmpty()) return 0;
    const char32_t c = text.toUcs4().value(0);
    return c < 0x20 || c == 0x7F ? 0 : c;
}

// Every change of the field's text passes here, also those that come
// without a filtered key press: a paste (Ctrl+V, Shift+Insert, the context
// menu, the middle button), a drop. It keeps the characters a typed key
// could have added and leaves the cursor after the kept ones.
class TypedKeyRule : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        QString kept;
        int keptPos = 0;
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (ConstantDialogLogic::AcceptsTextCharacter(input[i].unicode())) kept += input[i];
            if (i + 1 == pos) keptPos = static_cast<int>(kept.size());
        }
        input = kept;
        pos = keptPos;
        return Acceptable;
    }
};

}  // namespace

TConstantDlg::TConstantDlg(ConstantOperation op, Workspace& ws, UserInterface& ui, QWidget* parent)
    : QDialog(parent), logic_(op), ws_(ws), ui_(ui) {
    setWindowTitle(TrCore(logic_.Caption()));

    Label1 = new QLabel(tr("Value:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(QString::fromUtf8(logic_.InitialText()), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(180);
    Edit1->installEventFilter(this);
    Edit1->setValidator(new TypedKeyRule(Edit1));
    Label1->setBuddy(Edit1);

    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Abbrechen"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &TConstantDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TConstantDlg::OKBtnClick() {
    lastOutcome_ = logic_.Apply(Edit1->text().toStdString(), ws_, ui_);
    if (lastOutcome_ == ConstantOutcome::Applied && repaint_) repaint_();
    accept();
}

bool TConstantDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const char32_t c = TypedCharacter(*static_cast<QKeyEvent*>(event));
        if (c != 0 && !ConstantDialogLogic::AcceptsKey(c)) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TConstantDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    Edit1->setFocus();
}

void TConstantDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // The field is where the user types; every paint brings the focus back.
    if (focusWidget() != Edit1) Edit1->setFocus();
}

void CentreOnScreen(QWidget& dialog) {
    const QScreen* screen = dialog.screen();
    if (!screen) return;
    QRect frame = dialog.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog.move(frame.topLeft());
}

}  // namespace qv
