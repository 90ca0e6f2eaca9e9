#include "dsp_dialogs/dialog_widgets.h"

#include <algorithm>
#include <exception>
#include <tuple>

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "dsp_dialogs/typed_values.h"
#include "dsp_dialogs/volume_dialog_logic.h"

namespace qv {

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto [button, arrow, name] :
         {std::tuple{up_, Qt::UpArrow, "Up"}, std::tuple{down_, Qt::DownArrow, "Down"}}) {
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setObjectName(QString::fromLatin1(name));
        button->setFixedSize(18, 12);
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
    }
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    setFixedSize(18, 24);
}

void TUpDown::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    setPosition(position_);
}

void TUpDown::setPosition(int position) {
    position_ = std::clamp(position, min_, max_);
}

void TUpDown::Step(int delta) {
    const int next = std::clamp(position_ + delta, min_, max_);
    if (next == position_) return;
    position_ = next;
    Q_EMIT clicked(position_);
}

TVolumeFrame::TVolumeFrame(const QString& title, const QString& side, int defaultMax,
                           QWidget* parent)
    : QGroupBox(title, parent) {
    setObjectName(QStringLiteral("GroupBoxVolume") + side);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    auto edit = [&](const QString& name, bool typed) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name + side);
        e->setReadOnly(!typed);
        if (!typed) e->setFocusPolicy(Qt::NoFocus);
        e->setFixedWidth(80);
        return e;
    };
    auto label = [&](const QString& text) { return new QLabel(text, this); };
    EditGain = edit(QStringLiteral("EditGain"), true);
    EditDefault = edit(QStringLiteral("EditDefault"), true);
    EditSum = edit(QStringLiteral("EditSum"), false);
    UpDownGain = new TUpDown(this);
    UpDownGain->setObjectName(QStringLiteral("UpDownGain") + side);
    UpDownGain->setRange(0, kGainMax);
    UpDownDefault = new TUpDown(this);
    UpDownDefault->setObjectName(QStringLiteral("UpDownDefault") + side);
    UpDownDefault->setRange(0, defaultMax);

    grid->addWidget(label(tr("Constant Gain:")), 0, 0);
    grid->addWidget(EditGain, 0, 1);
    grid->addWidget(label(tr("dB")), 0, 2);
    grid->addWidget(UpDownGain, 0, 3);
    grid->addWidget(label(tr("Default by Power Up:")), 1, 0);
    grid->addWidget(EditDefault, 1, 1);
    grid->addWidget(label(tr("dB")), 1, 2);
    grid->addWidget(UpDownDefault, 1, 3);
    grid->addWidget(label(QStringLiteral("+ -------------------------------")), 2, 0, 1, 3);
    grid->addWidget(label(tr("Sum:")), 3, 0);
    grid->addWidget(EditSum, 3, 1);
    grid->addWidget(label(tr("dB")), 3, 2);
    grid->setColumnStretch(4, 1);
}

void TVolumeFrame::Show(const ChannelVolumeControls& v) {
    EditGain->setText(QString::fromStdString(v.gainText()));
    EditDefault->setText(QString::fromStdString(v.defaultText()));
    EditSum->setText(QString::fromStdString(v.sumText()));
    UpDownGain->setPosition(v.gainPosition());
    UpDownDefault->setPosition(v.defaultPosition());
}

std::optional<std::string> TVolumeFrame::TakeTyped(const ChannelVolumeControls& v,
                                                   const std::function<void(int)>& gain,
                                                   const std::function<void(int)>& level) {
    const std::string frame = title().trimmed().toStdString();
    const struct {
        QLineEdit* edit;
        const std::string& shown;
        const char* caption;
        int max;
        const std::function<void(int)>& take;
    } fields[] = {
        {EditGain, v.gainText(), QT_TR_NOOP("Constant Gain"), kGainMax, gain},
        {EditDefault, v.defaultText(), QT_TR_NOOP("Default by Power Up"), v.defaultMax(), level}};
    for (const auto& f : fields) {
        const std::string text = f.edit->text().toStdString();
        if (text == f.shown) continue;
        const TypedValue typed =
            CheckTypedVolume(frame + ", " + tr(f.caption).toStdString(), text, f.max);
        if (!typed.value) {
            f.edit->setFocus();
            f.edit->selectAll();
            return typed.error;
        }
        f.take(*typed.value);
    }
    return std::nullopt;
}

void CenterOnScreen(QWidget* w) {
    QScreen* screen = w->screen() != nullptr ? w->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    const QSize size = w->frameGeometry().size();
    w->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

QString ErrorBoxTitle() {
    return QApplication::applicationName();
}

void RunShowingErrors(UserInterface& ui, const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        ui.ErrorBox(ErrorBoxTitle().toStdString(), e.what());
    }
}

}  // namespace qv
