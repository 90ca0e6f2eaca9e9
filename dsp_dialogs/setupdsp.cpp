#include "dsp_dialogs/setupdsp.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <exception>

#include "dsp_dialogs/dialog_widgets.h"
#include "translations/language.h"

namespace qv {
namespace {

QRadioButton* Radio(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    // The rules decide what is checked (also "none"); the widgets only show it.
    b->setAutoExclusive(false);
    return b;
}

QLabel* ValueLabel(const QString& side, const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QStringLiteral("LabelDelay") + side + QString::fromLatin1(name));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(90);
    return l;
}

}  // namespace

TSetupDSPDlg::TSetupDSPDlg(DspSession& session, UserInterface& ui,
                           const std::uint8_t& comPortNumber, RoomMenuItems* menu,
                           SetChooser& chooser, QWidget* parent)
    : QDialog(parent), logic_(session, ui, comPortNumber, menu), ui_(ui), chooser_(chooser) {
    setObjectName(QStringLiteral("SetupDSPDlg"));
    setWindowTitle(tr("Setup DSP Range"));
    setModal(true);

    auto* range = new QGroupBox(tr(" Frequency Range "), this);
    range->setObjectName(QStringLiteral("GroupBoxRange"));
    auto* rangeLayout = new QVBoxLayout(range);
    RadioButtonHigh = Radio(tr("High        (00..24 kHz)"), "RadioButtonHigh", range);
    RadioButtonLow = Radio(tr("Low         (00..1.5 kHz)"), "RadioButtonLow", range);
    rangeLayout->addWidget(RadioButtonHigh);
    rangeLayout->addWidget(RadioButtonLow);

    auto* rate = new QGroupBox(tr(" DSP Sample Frequency "), this);
    rate->setObjectName(QStringLiteral("GroupBoxSampleFrequency"));
    auto* rateLayout = new QHBoxLayout(rate);
    ButtonAbtast44_1kHz = Radio(tr("44.1kHz"), "ButtonAbtast44_1kHz", rate);
    ButtonAbtast48kHz = Radio(tr("48 kHz"), "ButtonAbtast48kHz", rate);
    ButtonAbtast33kHz = Radio(tr("33 kHz"), "ButtonAbtast33kHz", rate);
    rateLayout->addWidget(ButtonAbtast44_1kHz);
    rateLayout->addWidget(ButtonAbtast48kHz);
    rateLayout->addWidget(ButtonAbtast33kHz);

    VolumeLeft = new TVolumeFrame(tr(" Left Channel Volume "), tr("Left"), kSetupDefaultMax, this);
    VolumeRight =
        new TVolumeFrame(tr("Right Channel Volume "), tr("Right"), kSetupDefaultMax, this);
    QGroupBox* delayLeft =
        BuildDelayFrame(tr("Left Channel Delay "), tr("Left"), SpinEditDelayLeft,
                        LabelDelayLeftConst, LabelDelayLeftSteps, LabelDelayLeftSum);
    QGroupBox* delayRight =
        BuildDelayFrame(tr("Right Channel Delay "), tr("Right"), SpinEditDelayRight,
                        LabelDelayRightConst, LabelDelayRightSteps, LabelDelayRightSum);

    // Never shown: it mirrors the room byte of the setup and feeds the mode word.
    GroupBoxRoomEqu = new QGroupBox(tr("Room Equalizer "), this);
    GroupBoxRoomEqu->setObjectName(QStringLiteral("GroupBoxRoomEqu"));
    CheckBoxRoomEqu = new QCheckBox(tr("Equalizer On/Off"), GroupBoxRoomEqu);
    CheckBoxRoomEqu->setObjectName(QStringLiteral("CheckBoxRoomEqu"));
    (new QVBoxLayout(GroupBoxRoomEqu))->addWidget(CheckBoxRoomEqu);
    GroupBoxRoomEqu->setVisible(false);

    auto button = [this](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    ButtonWriteSetup = button(tr("Write Setup To DSP"), "ButtonWriteSetup");
    ButtonWriteSetup->setDefault(true);
    ButtonWriteSoftware = button(tr("Write Software"), "ButtonWriteSoftware");
    ButtonReadSetup = button(tr("Read Setup From DSP"), "ButtonReadSetup");
    ButtonCancel = button(tr("Cancel"), "ButtonCancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(range, 0, 0);
    grid->addWidget(rate, 0, 1);
    grid->addWidget(VolumeLeft, 1, 0);
    grid->addWidget(VolumeRight, 1, 1);
    grid->addWidget(delayLeft, 2, 0);
    grid->addWidget(delayRight, 2, 1);
    grid->addWidget(GroupBoxRoomEqu, 3, 0);
    LabelNoSetup = new QLabel(this);
    LabelNoSetup->setObjectName(QStringLiteral("LabelNoSetup"));
    LabelNoSetup->setVisible(false);
    grid->addWidget(LabelNoSetup, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ButtonWriteSetup, ButtonWriteSoftware, ButtonReadSetup, ButtonCancel})
        buttons->addWidget(b);
    grid->addLayout(buttons, 4, 0, 1, 2);

    connect(RadioButtonHigh, &QRadioButton::clicked, this,
            [this] { Act([this] { logic_.RadioButtonHighClick(); }); });
    connect(RadioButtonLow, &QRadioButton::clicked, this,
            [this] { Act([this] { logic_.RadioButtonLowClick(); }); });
    for (auto [b, code] :
         {std::pair{ButtonAbtast44_1kHz, kRate44k1}, std::pair{ButtonAbtast48kHz, kRate48k},
          std::pair{ButtonAbtast33kHz, kRate33k}})
        connect(b, &QRadioButton::clicked, this,
                [this, code] { Act([this, code] { logic_.ButtonAbtastClick(code); }); });
    ConnectVolumeFrames(
        this, VolumeLeft, VolumeRight, logic_,
        [this](const std::function<void()>& step) { Act(step); }, [this] { Sync(); });
    for (auto [spin, side] : {std::pair{SpinEditDelayLeft, Channel::Left},
                              std::pair{SpinEditDelayRight, Channel::Right}})
        connect(spin, &QSpinBox::valueChanged, this, [this, side](int v) {
            Act([this, side, v] { logic_.SpinEditDelayChange(side, v); });
        });
    connect(ButtonWriteSetup, &QPushButton::clicked, this, [this] {
        if (!TakeTypedValues()) return;
        Act([this] { logic_.ButtonWriteSetupClick(chooser_); });
        accept();
    });
    connect(ButtonWriteSoftware, &QPushButton::clicked, this,
            [this] { Act([this] { logic_.ButtonWriteSoftwareClick(chooser_); }); });
    connect(ButtonReadSetup, &QPushButton::clicked, this,
            [this] { Act([this] { logic_.ButtonReadSetupClick(chooser_); }); });
    connect(ButtonCancel, &QPushButton::clicked, this, &TSetupDSPDlg::reject);

    Act([this] { logic_.FormCreate(); });
}

QGroupBox* TSetupDSPDlg::BuildDelayFrame(const QString& title, const QString& side, QSpinBox*& spin,
                                         QLabel*& constant, QLabel*& steps, QLabel*& sum) {
    auto* frame = new QGroupBox(title, this);
    frame->setObjectName(QStringLiteral("GroupBoxDelay") + side);
    spin = new QSpinBox(frame);
    spin->setObjectName(QStringLiteral("SpinEditDelay") + side);
    spin->setRange(kDelayMin, kDelayMax);
    spin->setValue(kDelayMin);
    // Arrows or a typed number (at most 4 digits) within the spin edit's
    // limits, taken when the typing ends.
    spin->setKeyboardTracking(false);
    if (auto* edit = spin->findChild<QLineEdit*>()) edit->setMaxLength(4);
    spin->setFixedWidth(70);
    constant = ValueLabel(side, "Const", frame);
    steps = ValueLabel(side, "Steps", frame);
    sum = ValueLabel(side, "Sum", frame);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(tr("Steps:"), frame), 0, 0);
    grid->addWidget(spin, 0, 1);
    grid->addWidget(steps, 0, 2);
    grid->addWidget(new QLabel(tr("constant:"), frame), 1, 0);
    grid->addWidget(constant, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("+ ------------------------"), frame), 2, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Sum:"), frame), 3, 0);
    grid->addWidget(sum, 3, 2);
    grid->setColumnStretch(3, 1);
    return frame;
}

int TSetupDSPDlg::Execute() {
    logic_.FormShow();
    Sync();
    return exec();
}

void TSetupDSPDlg::reject() {
    Act([this] { logic_.ButtonCancelClick(); });
    QDialog::reject();
}

void TSetupDSPDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CenterOnScreen(this);
}

bool TSetupDSPDlg::TakeTypedValues() {
    if (!TakeTypedVolumes(this, VolumeLeft, VolumeRight, logic_)) return false;
    for (QSpinBox* spin : {SpinEditDelayLeft, SpinEditDelayRight}) spin->interpretText();
    Sync();
    return true;
}

void TSetupDSPDlg::Act(const std::function<void()>& action) {
    RunShowingErrors(ui_, action);
    Sync();
}

void TSetupDSPDlg::Sync() {
    auto check = [](QAbstractButton* b, bool on) {
        const QSignalBlocker block(b);
        b->setChecked(on);
    };
    check(RadioButtonHigh, logic_.HighChecked());
    check(RadioButtonLow, logic_.LowChecked());
    const auto rate = logic_.CheckedRate();
    check(ButtonAbtast44_1kHz, rate == kRate44k1);
    check(ButtonAbtast48kHz, rate == kRate48k);
    check(ButtonAbtast33kHz, rate == kRate33k);
    check(CheckBoxRoomEqu, logic_.RoomChecked());
    LabelNoSetup->setText(TrCore(logic_.Notice()));
    LabelNoSetup->setVisible(!logic_.Notice().empty());
    VolumeLeft->Show(logic_.Volume(Channel::Left));
    VolumeRight->Show(logic_.Volume(Channel::Right));
    for (auto [spin, side, constant, steps, sum] :
         {std::tuple{SpinEditDelayLeft, Channel::Left, LabelDelayLeftConst, LabelDelayLeftSteps,
                     LabelDelayLeftSum},
          std::tuple{SpinEditDelayRight, Channel::Right, LabelDelayRightConst, LabelDelayRightSteps,
                     LabelDelayRightSum}}) {
        const QSignalBlocker block(spin);
        spin->setValue(logic_.DelaySpin(side));
        const DelayTexts& t = logic_.Delay(side);
        constant->setText(QString::fromStdString(t.constant));
        steps->setText(QString::fromStdString(t.steps));
        sum->setText(QString::fromStdString(t.sum));
    }
}

}  // namespace qv
