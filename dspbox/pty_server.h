#pragma once
// Serves the virtual box on a pseudo-terminal, for programs that open a real
// serial device. A ':' followed by nothing for 20 ms opens a byte command
// (the host is waiting for its echo); characters behind it make a telegram.

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "dspbox/dsp_box.h"

namespace qv {

struct PtyServerOptions {
    DspBoxOptions box;
    std::string flashFile;  // empty: the flash lives only as long as the server
    bool verbose = false;   // one line per received command on standard error
};

class PtyServer {
  public:
    static constexpr std::chrono::milliseconds kColonGap{20};
    // The flash file is rewritten once the line has been quiet this long.
    static constexpr std::chrono::milliseconds kSaveQuiet{300};

    // Loads the flash file if it exists (throws FileError when it cannot).
    explicit PtyServer(PtyServerOptions options);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Creates the pseudo-terminal in raw mode and returns the path of its
    // device; throws std::runtime_error with the system's text.
    std::string Open();
    // Serves until SIGINT, SIGTERM or SIGHUP, then saves the flash. Returns
    // false when the flash could not be saved at the end.
    bool Run(std::ostream& log);

  private:
    void Serve(std::chrono::steady_clock::time_point now);
    void WriteOut();
    bool SaveFlash(std::ostream& log);
    void PrintLog(std::ostream& log);

    PtyServerOptions options_;
    DspBox box_;
    int master_ = -1;
    int slave_ = -1;
    int signals_ = -1;
    std::vector<std::uint8_t> pendingOut_;
    std::uint64_t savedRevision_ = 0;
    std::chrono::steady_clock::time_point lastInput_{};
};

}  // namespace qv
