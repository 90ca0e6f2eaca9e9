#pragma once
// "Setup DSP Volume": the constant gain and the default level at power-up of
// both channels of one set.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "dsp_dialogs/volume_dialog_logic.h"

class QLabel;
class QPushButton;

namespace qv {

class TVolumeFrame;

class TSetupVolumeDlg : public QDialog {
    Q_OBJECT
  public:
    TSetupVolumeDlg(DspSession& session, UserInterface& ui, const std::uint8_t& comPortNumber,
                    SetChooser& chooser, QWidget* parent = nullptr);

    // "Volume": the on-show steps, then the dialog modally. A port error of
    // the connection check propagates before the dialog opens.
    int Execute();

    SetupVolumeLogic& logic() { return logic_; }

    TVolumeFrame* VolumeLeft;
    TVolumeFrame* VolumeRight;
    QPushButton* ButtonSetupToDsp;
    QPushButton* ButtonCancel;
    QLabel* LabelNoSetup;  // "Set N holds no setup yet"

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Act(const std::function<void()>& action);
    void Sync();

    SetupVolumeLogic logic_;
    UserInterface& ui_;
    SetChooser& chooser_;
};

}  // namespace qv
