#include "dsplink/serial_port.h"

#include <gtest/gtest.h>

#include "tests/dsplink/scripted_pipe.h"

namespace qv {
namespace {

using test::ScriptedPipe;

TEST(SerialPort, DeviceNamesAndOverrides) {
    FakeClock clock;
    ScriptedPipe pipe(clock);
    SerialPort port(pipe);
    EXPECT_EQ(port.DeviceNameFor(1), "/dev/ttyS0");
    EXPECT_EQ(port.DeviceNameFor(4), "/dev/ttyS3");
    port.SetDeviceOverride(2, "/dev/pts/7");
    EXPECT_EQ(port.DeviceNameFor(2), "/dev/pts/7");
    port.OpenPort(2);
    EXPECT_EQ(pipe.opened, std::vector<std::string>{"/dev/pts/7"});
    EXPECT_EQ(port.OpenPortNumber(), 2);
    EXPECT_EQ(pipe.dtrCalls, 1);
    EXPECT_EQ(pipe.rtsCalls, 1);
}

TEST(SerialPort, SamePortTwiceOpensOnce) {
    FakeClock clock;
    ScriptedPipe pipe(clock);
    SerialPort port(pipe);
    port.OpenPort(1);
    port.OpenPort(1);
    EXPECT_EQ(pipe.opened.size(), 1u);
}

TEST(SerialPort, MissingDeviceKeepsOldNumberAndClosesOldPort) {
    FakeClock clock;
    ScriptedPipe pipe(clock);
    pipe.missing.insert("/dev/ttyS2");
    SerialPort port(pipe);
    port.OpenPort(1);
    try {
        port.OpenPort(3);
        FAIL() << "no error";
    } catch (const SerialError& e) {
        EXPECT_STREQ(e.what(),
                     "Unable to open specified device /dev/ttyS2 (2), No such file or directory");
        EXPECT_EQ(e.code(), 2);
    }
    EXPECT_EQ(port.OpenPortNumber(), 1);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.WriteChar('x'));
    EXPECT_FALSE(port.PollChar());
    // The same number tries again.
    pipe.missing.clear();
    port.OpenPort(3);
    EXPECT_EQ(port.OpenPortNumber(), 3);
}

TEST(SerialPort, PollFetchesEverythingWaitingOnce) {
    FakeClock clock;
    ScriptedPipe pipe(clock);
    SerialPort port(pipe);
    EXPECT_FALSE(port.PollChar());  // closed
    port.OpenPort(1);
    EXPECT_FALSE(port.PollChar());
    pipe.prefix = "abcd";
    pipe.sent.clear();
    // A ping answer arrives behind the prefix: four bytes plus a frame.
    port.WriteChar(':');
    port.WriteChar('3');
    port.WriteChar('9');
    port.WriteChar('0');
    port.WriteChar('0');
    port.WriteChar('9');
    port.WriteChar('F');
    port.WriteChar('\r');
    const int before = pipe.readCalls;
    EXPECT_EQ(port.PollChar(), 'a');
    EXPECT_EQ(pipe.readCalls, before + 1);
    EXPECT_EQ(port.ReceiveStore().size(), 4u + ScriptedPipe::Frame({0x3A, 0x4E}).size() - 1);
    EXPECT_EQ(port.PollChar(), 'b');
    EXPECT_EQ(port.PollChar(), 'c');
    EXPECT_EQ(port.PollChar(), 'd');
    EXPECT_EQ(pipe.readCalls, before + 1);
}

TEST(SerialPort, FormatsSystemMessages) {
    EXPECT_EQ(FormatSerialMessage("Write error (%d), %s", 5, "Input/output error"),
              "Write error (5), Input/output error");
    EXPECT_EQ(FormatSerialMessage(" Error setting EventMask (%d), %s", 22, "Invalid argument"),
              " Error setting EventMask (22), Invalid argument");
}

}  // namespace
}  // namespace qv
