// The Qt serial device on a pseudo-terminal: line settings apply, the missing
// modem lines are no error, bytes pass both ways.

#include "dsplink/qt_serial_device.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>
#include <QCoreApplication>

#include "dsplink/serial_port.h"

namespace qv {
namespace {

using std::chrono::milliseconds;

struct Pty {
    int master = -1;
    std::string slave;
    Pty() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0) slave = ptsname(master);
    }
    ~Pty() {
        if (master >= 0) close(master);
    }
    std::string ReadMaster(std::size_t n) {
        std::string out;
        while (out.size() < n) {
            pollfd p{master, POLLIN, 0};
            if (poll(&p, 1, 2000) <= 0) break;
            char buf[64];
            const auto got = read(master, buf, sizeof buf);
            if (got <= 0) break;
            out.append(buf, static_cast<std::size_t>(got));
        }
        return out;
    }
};

int argc = 1;
char name[] = "qt_serial_device_test";
char* argv[] = {name, nullptr};

TEST(QtSerialDevice, BytesBothWaysOnAPseudoTerminal) {
    QCoreApplication app(argc, argv);
    Pty pty;
    ASSERT_FALSE(pty.slave.empty());
    QtSerialDevice device;
    SerialPort port(device);
    port.SetDeviceOverride(1, pty.slave);
    ASSERT_NO_THROW(port.OpenPort(1));  // DTR and RTS on a pty: no error
    EXPECT_TRUE(device.IsOpen());
    for (char c : std::string(":397F26\r")) EXPECT_TRUE(port.WriteChar(std::uint8_t(c)));
    EXPECT_EQ(pty.ReadMaster(8), ":397F26\r");

    EXPECT_FALSE(port.PollChar());
    EXPECT_FALSE(device.WaitForData(milliseconds(0)));
    ASSERT_EQ(write(pty.master, "!ok", 3), 3);
    EXPECT_TRUE(port.WaitForData(milliseconds(2000)));
    std::string got;
    for (int i = 0; i < 100 && got.size() < 3; ++i) {
        if (auto b = port.PollChar())
            got.push_back(char(*b));
        else
            port.WaitForData(milliseconds(100));
    }
    EXPECT_EQ(got, "!ok");
    port.ClosePort();
    EXPECT_FALSE(port.WriteChar('x'));
}

TEST(QtSerialDevice, MissingDeviceGivesSystemError) {
    QCoreApplication app(argc, argv);
    QtSerialDevice device;
    SerialPort port(device);
    port.SetDeviceOverride(3, "/dev/quorvane-no-such-port");
    try {
        port.OpenPort(3);
        FAIL() << "opened";
    } catch (const SerialError& e) {
        EXPECT_EQ(std::string(e.what()).rfind(
                      "Unable to open specified device /dev/quorvane-no-such-port (", 0),
                  0u)
            << e.what();
    }
    EXPECT_EQ(port.OpenPortNumber(), 0);
}

}  // namespace
}  // namespace qv
