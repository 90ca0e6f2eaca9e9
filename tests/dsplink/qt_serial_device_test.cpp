// The Qt serial device on a pseudo-terminal: line settings apply, the missing
// modem lines are no error, bytes pass both ways.

#include "dsplink/qt_serial_device.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/stat.h>
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

std::string OpenMessage(const std::string& device) {
    QtSerialDevice qt;
    SerialPort port(qt);
    port.SetDeviceOverride(3, device);
    try {
        port.OpenPort(3);
    } catch (const SerialError& e) {
        EXPECT_EQ(port.OpenPortNumber(), 0);
        return e.what();
    }
    return "opened";
}

// Busy, missing and forbidden are three messages, each with its own number.
TEST(QtSerialDevice, OpenFailuresSayWhatIsWrong) {
    QCoreApplication app(argc, argv);
    Pty pty;
    ASSERT_FALSE(pty.slave.empty());
    QtSerialDevice holder;  // the other program
    ASSERT_NO_THROW(holder.Open(pty.slave));
    EXPECT_EQ(OpenMessage(pty.slave),
              "Unable to open specified device " + pty.slave +
                  " (16), Device or resource busy: another program holds the port. Close it "
                  "and try again.");
    holder.Close();
    EXPECT_EQ(OpenMessage("/dev/quorvane-no-such-port"),
              "Unable to open specified device /dev/quorvane-no-such-port (2), No such file or "
              "directory: the port does not exist. Is the adapter plugged in?");
}

// Only a user without root's rights meets the refusal.
TEST(QtSerialDevice, NoPermissionNamesTheDialoutGroup) {
    if (geteuid() == 0) GTEST_SKIP() << "root may open any device";
    QCoreApplication app(argc, argv);
    Pty pty;
    ASSERT_EQ(chmod(pty.slave.c_str(), 0), 0);
    EXPECT_NE(OpenMessage(pty.slave).find(" (13), Permission denied: you may not use the port. Add "
                                          "your user to the group dialout"),
              std::string::npos);
}

}  // namespace
}  // namespace qv
