#include "dsp_dialogs/setupdspvolume.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <exception>

#include "dsp_dialogs/dialog_widgets.h"
#include "translations/language.h"

namespace qv {

TSetupVolumeDlg::TSetupVolumeDlg(DspSession& session, UserInterface& ui,
                                 const std::uint8_t& comPortNumber, SetChooser& chooser,
                                 QWidget* parent)
    : QDialog(parent), logic_(session, ui, comPortNumber), ui_(ui), chooser_(chooser) {
    setObjectName(QStringLiteral("SetupVolumeDlg"));
    setWindowTitle(tr("Setup DSP Volume"));
    setModal(true);

    VolumeLeft = new TVolumeFrame(tr(" Left Channel Volume "), tr("Left"), kVolumeDefaultMax, this);
    VolumeRight =
        new TVolumeFrame(tr(" Right Channel Volume "), tr("Right"), kVolumeDefaultMax, this);
    ButtonSetupToDsp = new QPushButton(tr("Setup -> DSP"), this);
    ButtonSetupToDsp->setObjectName(QStringLiteral("ButtonSetupToDsp"));
    ButtonSetupToDsp->setDefault(true);
    ButtonCancel = new QPushButton(tr("Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonCancel->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(VolumeLeft, 0, 0);
    grid->addWidget(VolumeRight, 0, 1);
    LabelNoSetup = new QLabel(this);
    LabelNoSetup->setObjectName(QStringLiteral("LabelNoSetup"));
    LabelNoSetup->setVisible(false);
    grid->addWidget(LabelNoSetup, 1, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonSetupToDsp);
    buttons->addWidget(ButtonCancel);
    buttons->addStretch(1);
    grid->addLayout(buttons, 2, 0, 1, 2);

    ConnectVolumeFrames(
        this, VolumeLeft, VolumeRight, logic_,
        [this](const std::function<void()>& step) { Act(step); }, [this] { Sync(); });
    connect(ButtonSetupToDsp, &QPushButton::clicked, this, [this] {
        if (!TakeTypedVolumes(this, VolumeLeft, VolumeRight, logic_)) return;
        Sync();
        Act([this] { logic_.ButtonSetupToDspClick(chooser_); });
        accept();
    });
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    Sync();
}

int TSetupVolumeDlg::Execute() {
    logic_.FormShow();
    Sync();
    return exec();
}

void TSetupVolumeDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CenterOnScreen(this);
}

void TSetupVolumeDlg::Act(const std::function<void()>& action) {
    RunShowingErrors(ui_, action);
    Sync();
}

void TSetupVolumeDlg::Sync() {
    VolumeLeft->Show(logic_.Volume(Channel::Left));
    VolumeRight->Show(logic_.Volume(Channel::Right));
    LabelNoSetup->setText(TrCore(logic_.Notice()));
    LabelNoSetup->setVisible(!logic_.Notice().empty());
}

}  // namespace qv
