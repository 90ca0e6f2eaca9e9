#pragma once
// Widgets the DSP dialogs share: an up-down control, the volume frame of one
// channel, and centring a dialog on the screen.

#include <functional>
#include <optional>
#include <string>

#include <QGroupBox>
#include <QWidget>

#include "curves/user_interface.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace qv {

class ChannelVolumeControls;

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

}  // namespace qv
