#pragma once
// What the widget tests stand an editor window on: the document, a DSP
// session on a port (one that is never there, or the virtual box) and a
// scripted user; and pictures of dialogs for a look at their layout.

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QWidget>
#include <type_traits>

#include "dsplink/clock.h"
#include "dsplink/dsp_session.h"
#include "project/workspace.h"
#include "tests/support/test_support.h"

namespace qv::test {

// A port that is never there, as on a machine without COM1.
class MissingDevice : public SerialDevice {
  public:
    void Open(const std::string& name) override {
        throw SerialError(
            "Unable to open specified device " + name + " (2), No such file or directory", 2);
    }
    void Close() override {}
    bool IsOpen() const override { return false; }
    bool WriteByte(std::uint8_t, std::chrono::milliseconds) override { return false; }
    std::size_t BytesWaiting() override { return 0; }
    std::vector<std::uint8_t> Read(std::size_t) override { return {}; }
    bool WaitForData(std::chrono::milliseconds) override { return false; }
    void SetDtr(bool) override {}
    void SetRts(bool) override {}
};

// Port is MissingDevice or a device that runs on the clock (the virtual box).
template <class Port>
struct WindowParts {
    Workspace ws;
    FakeClock clock;
    Port port = MakePort();
    DspSession dsp{port, clock};
    ScriptedUserInterface ui;

    WindowParts() { CreateDiagramSet(ws); }

  private:
    Port MakePort() {
        if constexpr (std::is_constructible_v<Port, Clock&>)
            return Port(clock);
        else
            return Port();
    }
};

// With QV_DIALOG_SHOTS naming a folder, the dialog leaves a picture there.
inline void Shoot(QWidget& dialog, const char* file) {
    const QByteArray dir = qgetenv("QV_DIALOG_SHOTS");
    if (dir.isEmpty()) return;
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(file)));
    dialog.hide();
}

}  // namespace qv::test
