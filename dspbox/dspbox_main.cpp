// quorvane-dspbox: the virtual DSP box on a pseudo-terminal.

#include <cstring>
#include <iostream>
#include <string>

#include "curves/text_file.h"
#include "dspbox/fault_injection.h"
#include "dspbox/pty_server.h"

namespace {

const char* const kUsage =
    "Usage: quorvane-dspbox [--flash FILE] [--erased] [--baud-timing] [--fault SPEC]\n";

void PrintHelp() {
    std::cout
        << kUsage
        << "\n"
           "Serves a virtual DSP box on a pseudo-terminal. The first line written to\n"
           "standard output is the path of the device to open (9600 baud, 8N1); the box\n"
           "then answers there until it gets SIGINT, SIGTERM or SIGHUP.\n"
           "\n"
           "The box answers the Ping, WriteBlock, ReadBlock, EraseSector and SelectSet\n"
           "telegrams and the \":r01\", \":01\" and \":w\" byte commands. It holds 8 sets x 3\n"
           "sample frequencies of 32 KiB flash (erased bytes read FF, a write can only\n"
           "clear bits), a 64 KiB parameter area with the mode word at 7FFA/7FFB and the\n"
           "software version 1 at 7FFF (repeated at 8000 higher). Every set starts with\n"
           "the demo program, its length and a setup (High, the set's rate, gains 0,\n"
           "default levels 1.2 dB, delays 1), as a box from the factory. A ':' with no character\n"
           "behind it for 20 ms opens a byte command; otherwise it opens a telegram.\n"
           "\n"
           "Options:\n"
           "  --flash FILE    keep the flash in FILE across runs: read at start if it\n"
           "                  exists, written after changes and at exit (786432 bytes,\n"
           "                  set s at rate r at offset (s * 3 + r) * 32768)\n"
           "  --erased        start with the whole flash erased (ignored when the --flash\n"
           "                  file exists)\n"
           "  --baud-timing   answer at the pace of a 9600 baud line (1.04 ms a character)\n"
           "  --fault SPEC    inject faults (below)\n"
           "  --verbose       write each received telegram and command to standard error\n"
           "  --help          show this text\n"
           "\n"
        << qv::FaultSpecHelp();
}

int UsageError(const std::string& text) {
    std::cerr << "quorvane-dspbox: " << text << "\n" << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    qv::PtyServerOptions options;
    options.box.factoryContents = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h") {
            PrintHelp();
            return 0;
        } else if (arg == "--flash") {
            if (!value(options.flashFile)) return UsageError("--flash needs a file name");
        } else if (arg == "--erased") {
            options.box.factoryContents = false;
        } else if (arg == "--baud-timing") {
            options.box.baudTiming = true;
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--fault") {
            if (!value(text)) return UsageError("--fault needs a SPEC");
            try {
                options.box.faults = qv::ParseFaultSpec(text);
            } catch (const qv::FaultSpecError& e) {
                return UsageError(e.what());
            }
        } else {
            return UsageError("unknown argument \"" + arg + "\"");
        }
    }
    try {
        qv::PtyServer server(options);
        std::cout << server.Open() << std::endl;
        return server.Run(std::cerr) ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "quorvane-dspbox: " << e.what() << std::endl;
        return 1;
    }
}
