#include "dsplink/qt_serial_device.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

#include "curves/tr.h"
#include "dsplink/serial_port.h"

namespace qv {
namespace {

// The system's number and text of the last failure of the port.
std::pair<int, std::string> SystemError(const QSerialPort& port, int savedErrno) {
    if (savedErrno != 0) return {savedErrno, std::strerror(savedErrno)};
    return {static_cast<int>(port.error()), port.errorString().toStdString()};
}

bool ModemLinesMissing(int err) {
    // A pseudo-terminal has no modem lines; raising them is no fault there.
    return err == ENOTTY || err == EINVAL;
}

}  // namespace

OpenFailure ClassifyOpenFailure(const std::string& deviceName, QSerialPort::SerialPortError error) {
    struct stat st {};
    if (::stat(deviceName.c_str(), &st) != 0)
        return errno == EACCES ? OpenFailure::NoPermission : OpenFailure::Missing;
    if (::access(deviceName.c_str(), R_OK | W_OK) != 0) return OpenFailure::NoPermission;
    // The device is there and ours to use: another program holds it (its lock
    // file, or the exclusive mode of the line).
    if (error == QSerialPort::PermissionError || error == QSerialPort::OpenError)
        return OpenFailure::Busy;
    if (error == QSerialPort::DeviceNotFoundError) return OpenFailure::Missing;
    return OpenFailure::Other;
}

std::string OpenFailureText(OpenFailure kind, const std::string& systemText) {
    switch (kind) {
        case OpenFailure::Busy:
            return QV_TR(
                "Device or resource busy: another program holds the port. Close it and try again.");
        case OpenFailure::Missing:
            return QV_TR(
                "No such file or directory: the port does not exist. Is the adapter plugged in?");
        case OpenFailure::NoPermission:
            return QV_TR(
                "Permission denied: you may not use the port. Add your user to the group dialout "
                "(sudo usermod -aG dialout $USER) and log in again.");
        case OpenFailure::Other:
            break;
    }
    return systemText;
}

int OpenFailureCode(OpenFailure kind) {
    switch (kind) {
        case OpenFailure::Busy:
            return EBUSY;
        case OpenFailure::Missing:
            return ENOENT;
        case OpenFailure::NoPermission:
            return EACCES;
        case OpenFailure::Other:
            break;
    }
    return 0;
}

QtSerialDevice::~QtSerialDevice() {
    Close();
}

void QtSerialDevice::Fail(const char* pattern, int savedErrno) {
    const auto [code, text] = SystemError(port_, savedErrno);
    port_.clearError();
    throw SerialPortError(FormatSerialMessage(pattern, code, text), code);
}

void QtSerialDevice::Open(const std::string& deviceName) {
    Close();
    port_.setPortName(QString::fromStdString(deviceName));
    if (!port_.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = port_.error();
        const std::string systemText = port_.errorString().toStdString();
        port_.clearError();
        const OpenFailure kind = ClassifyOpenFailure(deviceName, error);
        const int code =
            kind == OpenFailure::Other ? static_cast<int>(error) : OpenFailureCode(kind);
        throw SerialError(OpenFailureText(kind, systemText), code);
    }
    errno = 0;
    if (!port_.setBaudRate(QSerialPort::Baud9600) || !port_.setDataBits(QSerialPort::Data8) ||
        !port_.setParity(QSerialPort::NoParity) || !port_.setStopBits(QSerialPort::OneStop) ||
        !port_.setFlowControl(QSerialPort::NoFlowControl)) {
        const int err = errno;
        port_.close();
        Fail("Error writing dcb (%d), %s", err);
    }
    // The receive queue of the line: 4096 bytes.
    port_.setReadBufferSize(4096);
}

void QtSerialDevice::Close() {
    if (port_.isOpen()) port_.close();
    port_.clearError();
}

bool QtSerialDevice::IsOpen() const {
    return port_.isOpen();
}

bool QtSerialDevice::WriteByte(std::uint8_t b, std::chrono::milliseconds timeout) {
    if (!port_.isOpen()) return false;
    const char c = static_cast<char>(b);
    errno = 0;
    if (port_.write(&c, 1) != 1) Fail("Write error (%d), %s", errno);
    if (port_.waitForBytesWritten(static_cast<int>(timeout.count())) || port_.bytesToWrite() == 0)
        return true;
    if (port_.error() != QSerialPort::NoError && port_.error() != QSerialPort::TimeoutError)
        Fail("Write error (%d), %s", errno);
    // Not sent within the wait: the byte counts as not written.
    port_.clearError();
    port_.clear(QSerialPort::Output);
    return false;
}

std::size_t QtSerialDevice::BytesWaiting() {
    if (!port_.isOpen()) return 0;
    // Without an event loop the port only fetches what the system holds
    // when asked; a zero wait does that without blocking.
    if (port_.bytesAvailable() == 0) {
        errno = 0;
        if (!port_.waitForReadyRead(0)) {
            const auto e = port_.error();
            if (e != QSerialPort::NoError && e != QSerialPort::TimeoutError)
                Fail("Error retrieving statistics (%d), %s", errno);
            port_.clearError();
        }
    }
    return static_cast<std::size_t>(port_.bytesAvailable());
}

std::vector<std::uint8_t> QtSerialDevice::Read(std::size_t max) {
    if (!port_.isOpen() || max == 0) return {};
    errno = 0;
    const QByteArray data = port_.read(static_cast<qint64>(max));
    if (port_.error() != QSerialPort::NoError && port_.error() != QSerialPort::TimeoutError)
        Fail("Read error (%d), %s", errno);
    return {data.begin(), data.end()};
}

bool QtSerialDevice::WaitForData(std::chrono::milliseconds timeout) {
    if (!port_.isOpen()) return false;
    if (port_.bytesAvailable() > 0) return true;
    errno = 0;
    if (port_.waitForReadyRead(static_cast<int>(timeout.count()))) return true;
    const auto e = port_.error();
    if (e != QSerialPort::NoError && e != QSerialPort::TimeoutError)
        Fail("Read error (%d), %s", errno);
    port_.clearError();
    return port_.bytesAvailable() > 0;
}

void QtSerialDevice::SetDtr(bool on) {
    errno = 0;
    if (port_.setDataTerminalReady(on)) return;
    const int err = errno;
    if (ModemLinesMissing(err)) {
        port_.clearError();
        return;
    }
    Fail("Error calling comm function (%d), %s", err);
}

void QtSerialDevice::SetRts(bool on) {
    errno = 0;
    if (port_.setRequestToSend(on)) return;
    const int err = errno;
    if (ModemLinesMissing(err)) {
        port_.clearError();
        return;
    }
    Fail("Error calling comm function (%d), %s", err);
}

}  // namespace qv
