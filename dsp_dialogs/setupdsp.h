#pragma once
// "Setup DSP Range": frequency range, sample frequency, volume and delay of
// both channels of one set. Created once at program start; its creation
// runs the connection check that sets DspConnected.

#include <QDialog>

#include <optional>
#include <string>

#include "dsp_dialogs/setup_dialog_logic.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace qv {

class TVolumeFrame;

class TSetupDSPDlg : public QDialog {
    Q_OBJECT
  public:
    // Runs the creation steps; a port that will not open is shown in the
    // error box and the dialog is created all the same.
    TSetupDSPDlg(DspSession& session, UserInterface& ui, const std::uint8_t& comPortNumber,
                 RoomMenuItems* menu, SetChooser& chooser, QWidget* parent = nullptr);

    // "Range": the on-show steps, then the dialog modally. A port error of
    // the on-show check propagates before the dialog opens.
    int Execute();

    SetupDspLogic& logic() { return logic_; }

    QRadioButton* RadioButtonHigh;
    QRadioButton* RadioButtonLow;
    QRadioButton* ButtonAbtast44_1kHz;
    QRadioButton* ButtonAbtast48kHz;
    QRadioButton* ButtonAbtast33kHz;
    TVolumeFrame* VolumeLeft;
    TVolumeFrame* VolumeRight;
    QSpinBox* SpinEditDelayLeft;
    QSpinBox* SpinEditDelayRight;
    QLabel* LabelDelayLeftConst;
    QLabel* LabelDelayLeftSteps;
    QLabel* LabelDelayLeftSum;
    QLabel* LabelDelayRightConst;
    QLabel* LabelDelayRightSteps;
    QLabel* LabelDelayRightSum;
    QLabel* LabelNoSetup;  // "Set N holds no setup yet"
    QGroupBox* GroupBoxRoomEqu;
    QCheckBox* CheckBoxRoomEqu;
    QPushButton* ButtonWriteSetup;
    QPushButton* ButtonWriteSoftware;
    QPushButton* ButtonReadSetup;
    QPushButton* ButtonCancel;

  public Q_SLOTS:
    // "Cancel", the cancel key and the close box: the image as it was on show.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QGroupBox* BuildDelayFrame(const QString& title, const QString& side, QSpinBox*& spin,
                               QLabel*& constant, QLabel*& steps, QLabel*& sum);
    // Runs an action, shows an error it raises, then shows the new state.
    void Act(const std::function<void()>& action);
    // Before a write: every typed value checked and taken; false (after the
    // message) when one is faulty, and nothing is written.
    bool TakeTypedValues();
    void Sync();

    SetupDspLogic logic_;
    UserInterface& ui_;
    SetChooser& chooser_;
};

}  // namespace qv
