#include "dspbox/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/signalfd.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>
#include <ostream>
#include <stdexcept>

#include "curves/text_file.h"

namespace qv {

namespace {

using SteadyTime = std::chrono::steady_clock::time_point;

std::runtime_error SystemError(const std::string& what) {
    return std::runtime_error(what + ": " + std::strerror(errno));
}

}  // namespace

PtyServer::PtyServer(PtyServerOptions options) : options_(std::move(options)), box_(options_.box) {
    if (!options_.flashFile.empty() && std::filesystem::exists(options_.flashFile)) {
        box_.LoadFlash(options_.flashFile);
    }
    savedRevision_ = box_.FlashRevision();
}

PtyServer::~PtyServer() {
    for (int fd : {master_, slave_, signals_}) {
        if (fd >= 0) close(fd);
    }
}

std::string PtyServer::Open() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) throw SystemError("cannot create a pseudo-terminal");
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        throw SystemError("cannot unlock the pseudo-terminal");
    }
    char name[256];
    if (ptsname_r(master_, name, sizeof name) != 0) {
        throw SystemError("cannot name the pseudo-terminal");
    }
    // Holding the device open keeps its raw settings, and keeps the master
    // from reporting a hang-up while no host has it open.
    slave_ = open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0) throw SystemError(std::string("cannot open ") + name);
    termios tio{};
    if (tcgetattr(slave_, &tio) != 0) throw SystemError("cannot read the terminal settings");
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    if (tcsetattr(slave_, TCSANOW, &tio) != 0) {
        throw SystemError("cannot set the terminal settings");
    }
    if (fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK) != 0) {
        throw SystemError("cannot make the pseudo-terminal non-blocking");
    }

    sigset_t set;
    sigemptyset(&set);
    for (int s : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&set, s);
    if (sigprocmask(SIG_BLOCK, &set, nullptr) != 0) throw SystemError("cannot block signals");
    signals_ = signalfd(-1, &set, SFD_CLOEXEC);
    if (signals_ < 0) throw SystemError("cannot watch signals");
    signal(SIGPIPE, SIG_IGN);
    return name;
}

void PtyServer::Serve(SteadyTime now) {
    if (box_.ColonPending() && now >= box_.ColonTime() + kColonGap) box_.StartByteCommand(now);
    const auto due = box_.TakeOutput(now, std::numeric_limits<std::size_t>::max());
    pendingOut_.insert(pendingOut_.end(), due.begin(), due.end());
    WriteOut();
}

void PtyServer::WriteOut() {
    while (!pendingOut_.empty()) {
        const ssize_t n = write(master_, pendingOut_.data(), pendingOut_.size());
        if (n <= 0) return;  // the host is not reading; try again when there is room
        pendingOut_.erase(pendingOut_.begin(), pendingOut_.begin() + n);
    }
}

bool PtyServer::SaveFlash(std::ostream& log) {
    if (options_.flashFile.empty()) return true;
    try {
        box_.SaveFlash(options_.flashFile);
        savedRevision_ = box_.FlashRevision();
        return true;
    } catch (const FileError& e) {
        log << "quorvane-dspbox: " << e.what() << std::endl;
        return false;
    }
}

void PtyServer::PrintLog(std::ostream& log) {
    if (options_.verbose) {
        for (const BoxLogEntry& entry : box_.Log()) log << FormatLogEntry(entry) << '\n';
        log.flush();
    }
    box_.ClearLog();
}

bool PtyServer::Run(std::ostream& log) {
    while (true) {
        SteadyTime now = std::chrono::steady_clock::now();
        Serve(now);
        const bool dirty = box_.FlashRevision() != savedRevision_;
        if (dirty && !options_.flashFile.empty() && now >= lastInput_ + kSaveQuiet) {
            SaveFlash(log);
        }

        std::optional<SteadyTime> deadline;
        auto consider = [&deadline](SteadyTime t) {
            if (!deadline || t < *deadline) deadline = t;
        };
        if (box_.ColonPending()) consider(box_.ColonTime() + kColonGap);
        if (auto next = box_.NextOutputTime()) consider(*next);
        if (box_.FlashRevision() != savedRevision_ && !options_.flashFile.empty()) {
            consider(lastInput_ + kSaveQuiet);
        }
        int timeout = -1;
        if (deadline) {
            const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*deadline - now);
            timeout = static_cast<int>(std::max<std::int64_t>(0, wait.count()));
        }

        pollfd fds[2] = {
            {master_, static_cast<short>(POLLIN | (pendingOut_.empty() ? 0 : POLLOUT)), 0},
            {signals_, POLLIN, 0}};
        const int ready = poll(fds, 2, timeout);
        if (ready < 0 && errno != EINTR) {
            log << "quorvane-dspbox: poll: " << std::strerror(errno) << std::endl;
            break;
        }
        if (ready <= 0) continue;
        if (fds[1].revents & POLLIN) break;
        if (fds[0].revents & POLLIN) {
            std::uint8_t buffer[512];
            const ssize_t n = read(master_, buffer, sizeof buffer);
            now = std::chrono::steady_clock::now();
            for (ssize_t i = 0; i < n; ++i) box_.ReceiveChar(buffer[i], now);
            if (n > 0) lastInput_ = now;
            PrintLog(log);
        }
    }
    PrintLog(log);
    return SaveFlash(log);
}

}  // namespace qv
