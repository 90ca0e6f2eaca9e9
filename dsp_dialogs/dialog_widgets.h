#pragma once
// Widgets the DSP dialogs share: an up-down control, the volume frame of one
// channel, and centring a dialog on the screen.

#include <functional>
#include <optional>
#include <string>

#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QWidget>
#include <utility>

#include "curves/user_interface.h"
#include "dsp_dialogs/volume_dialog_logic.h"
#include "translations/language.h"

class QLabel;
class QToolButton;

namespace qv {

// Two arrow buttons that step a position within [min, max] without wrapping.
class TUpDown : public QWidget {
    Q_OBJECT
  public:
    explicit TUpDown(QWidget* parent = nullptr);
    void setRange(int min, int max);
    void setPosition(int position);
    int position() const { return position_; }
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

  Q_SIGNALS:
    // A user's step: the new position.
    void clicked(int position);

  private:
    void Step(int delta);
    QToolButton* up_;
    QToolButton* down_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

// " Left Channel Volume " and its kin: constant gain, default level and sum
// with their "dB" units and the two up-down controls. Children are named
// EditGain<side>, EditDefault<side>, EditSum<side>, UpDownGain<side>,
// UpDownDefault<side>. Gain and default level also take a typed level.
class TVolumeFrame : public QGroupBox {
    Q_OBJECT
  public:
    TVolumeFrame(const QString& title, const QString& side, int defaultMax,
                 QWidget* parent = nullptr);
    // Shows the channel's texts and positions.
    void Show(const ChannelVolumeControls& v);
    // The typed levels that differ from what the channel shows, checked
    // against their limits: good ones go to gain(tenths) and level(tenths);
    // the first fault is returned (its edit focused) and the rest left alone.
    std::optional<std::string> TakeTyped(const ChannelVolumeControls& v,
                                         const std::function<void(int)>& gain,
                                         const std::function<void(int)>& level);

    QLineEdit* EditGain;
    QLineEdit* EditDefault;
    QLineEdit* EditSum;
    TUpDown* UpDownGain;
    TUpDown* UpDownDefault;
};

void CenterOnScreen(QWidget* w);
// The title of the error box: the application's name.
QString ErrorBoxTitle();
// Runs a button's action; an error (a port that will not open) ends it in the
// error box and the dialog stays open.
void RunShowingErrors(UserInterface& ui, const std::function<void()>& action);

// Both channels' volume frames bound to a dialog's rules (Logic has
// Volume(side), UpDownGainClick and UpDownDefaultClick).
template <class Logic>
std::optional<std::string> TakeTypedVolume(Logic& logic, TVolumeFrame* frame, Channel side) {
    return frame->TakeTyped(
        logic.Volume(side), [&logic, side](int p) { logic.UpDownGainClick(side, p); },
        [&logic, side](int p) { logic.UpDownDefaultClick(side, p); });
}

// A step goes through act (which runs it and shows the outcome); a typed level
// is taken when its field is left.
template <class Logic>
void ConnectVolumeFrames(QWidget* owner, TVolumeFrame* left, TVolumeFrame* right, Logic& logic,
                         const std::function<void(const std::function<void()>&)>& act,
                         const std::function<void()>& sync) {
    for (auto [frame, side] : {std::pair{left, Channel::Left}, std::pair{right, Channel::Right}}) {
        QObject::connect(frame->UpDownGain, &TUpDown::clicked, owner, [&logic, act, side](int p) {
            act([&logic, side, p] { logic.UpDownGainClick(side, p); });
        });
        QObject::connect(frame->UpDownDefault, &TUpDown::clicked, owner,
                         [&logic, act, side](int p) {
                             act([&logic, side, p] { logic.UpDownDefaultClick(side, p); });
                         });
        for (QLineEdit* edit : {frame->EditGain, frame->EditDefault})
            QObject::connect(edit, &QLineEdit::editingFinished, owner, [&logic, frame, side, sync] {
                // A good level is taken at once; a faulty one waits for the write.
                if (!TakeTypedVolume(logic, frame, side)) sync();
            });
    }
}

// Takes both frames' typed levels; the first fault goes into a warning over
// owner and gives false.
template <class Logic>
bool TakeTypedVolumes(QWidget* owner, TVolumeFrame* left, TVolumeFrame* right, Logic& logic) {
    for (auto [frame, side] : {std::pair{left, Channel::Left}, std::pair{right, Channel::Right}})
        if (const auto error = TakeTypedVolume(logic, frame, side)) {
            QMessageBox::warning(owner, owner->windowTitle(), TrCore(*error));
            return false;
        }
    return true;
}

}  // namespace qv
