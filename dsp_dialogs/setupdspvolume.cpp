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

    for (auto [frame, side] :
         {std::pair{VolumeLeft, Channel::Left}, std::pair{VolumeRight, Channel::Right}}) {
        connect(frame->UpDownGain, &TUpDown::clicked, this,
                [this, side](int p) { Act([this, side, p] { logic_.UpDownGainClick(side, p); }); });
        connect(frame->UpDownDefault, &TUpDown::clicked, this, [this, side](int p) {
            Act([this, side, p] { logic_.UpDownDefaultClick(side, p); });
        });
    }
    for (auto [frame, side] :
         {std::pair{VolumeLeft, Channel::Left}, std::pair{VolumeRight, Channel::Right}})
        for (QLineEdit* edit : {frame->EditGain, frame->EditDefault})
            connect(edit, &QLineEdit::editingFinished, this, [this, frame, side] {
                // A good level is taken at once; a faulty one waits for the write.
                if (!TakeTypedVolume(frame, side)) Sync();
            });
    connect(ButtonSetupToDsp, &QPushButton::clicked, this, [this] {
        for (auto [frame, side] :
             {std::pair{VolumeLeft, Channel::Left}, std::pair{VolumeRight, Channel::Right}})
            if (const auto error = TakeTypedVolume(frame, side)) {
                QMessageBox::warning(this, windowTitle(), TrCore(*error));
                return;
            }
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

std::optional<std::string> TSetupVolumeDlg::TakeTypedVolume(TVolumeFrame* frame, Channel side) {
    return frame->TakeTyped(
        logic_.Volume(side), [this, side](int p) { logic_.UpDownGainClick(side, p); },
        [this, side](int p) { logic_.UpDownDefaultClick(side, p); });
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
