// quorvane-cli synth: the filter synthesis of "Execute" on curve files, with
// the editor's own synthesis code.

#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "cli/cli_user_interface.h"
#include "curves/curve_files.h"
#include "curves/number_syntax.h"
#include "curves/workspace.h"
#include "dsp_math/eq_synthesis.h"
#include "dsplink/program_profile.h"

namespace qv::cli {
namespace {

const char* const kUsage =
    "  quorvane-cli synth --variant eq|room --level FILE --delay FILE --correction FILE\n"
    "      [--taps N] [--rate HZ] [--depth CM] [--width CM] --filter OUT\n"
    "      [--achieved-level OUT] [--achieved-delay OUT]\n"
    "      (DAT files in, XY-Format out; eq: 1799 taps at 48000 Hz, room: 899 taps at\n"
    "      6000 Hz, depth and width 400 cm)";

int Usage(const std::string& problem) {
    std::cerr << "quorvane-cli synth: " << problem << "\nusage:\n" << kUsage << "\n";
    return kExitUsage;
}

std::optional<long> WholeNumber(const std::string& text, long low, long high) {
    const auto v = ToNumber(text);
    if (!v || *v != std::trunc(*v) || *v < low || *v > high) return std::nullopt;
    return static_cast<long>(*v);
}

// Reads a DAT file into slot 1; false (with the reader's message) when the
// file cannot be opened.
bool Load(Workspace& ws, DiagramId id, const std::string& file, UserInterface& ui) {
    if (!CheckFileReadable(file, ui)) return false;
    PointList list = ReadXYFile(file, ui);
    if (!list.empty()) SetSlot(ws[id], 1, file, std::move(list));
    return true;
}

bool Write(const std::string& file, const PointList& list, UserInterface& ui) {
    if (!CheckFileWritable(file, ui)) return false;
    WriteXYFile(file, list, ui);
    return true;
}

int RunSynth(const std::vector<std::string>& args) {
    static const std::set<std::string> kKeys = {
        "--variant", "--level", "--delay",  "--correction",     "--taps",          "--rate",
        "--depth",   "--width", "--filter", "--achieved-level", "--achieved-delay"};
    std::map<std::string, std::string> opt;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            std::cout << "usage:\n" << kUsage << "\n";
            return kExitOk;
        }
        if (!kKeys.count(args[i])) return Usage("unknown argument '" + args[i] + "'");
        if (i + 1 >= args.size()) return Usage(args[i] + " needs a value");
        if (!opt.emplace(args[i], args[i + 1]).second) return Usage(args[i] + " given twice");
        ++i;
    }
    for (const char* key : {"--variant", "--level", "--delay", "--correction", "--filter"})
        if (!opt.count(key)) return Usage(std::string(key) + " is missing");
    const std::string variant = opt["--variant"];
    if (variant != "eq" && variant != "room") return Usage("--variant must be eq or room");
    const bool room = variant == "room";

    DspProgramProfile profile;
    CliUserInterface ui;
    ApplyProfile(profile, 1, 1, 48000, nullptr, ui);
    Workspace ws;
    if (opt.count("--taps")) {
        // The inverse transform grows with the square of the length.
        const auto taps = WholeNumber(opt["--taps"], 1, 32767);
        if (!taps) return Usage("--taps must be a whole number from 1 to 32767");
        (room ? profile.roomTapCount : profile.eqTapCount) = static_cast<std::int32_t>(*taps);
    }
    if (opt.count("--rate")) {
        const auto rate = ToNumber(opt["--rate"]);
        if (!rate || !(*rate > 0)) return Usage("--rate must be a positive number of Hz");
        (room ? profile.roomSampleRate : profile.eqSampleRate) = *rate;
    }
    for (const char* key : {"--depth", "--width"}) {
        if (!opt.count(key)) continue;
        const auto cm = WholeNumber(opt[key], 1, 1000);
        if (!cm) return Usage(std::string(key) + " must be a whole number of cm from 1 to 1000");
        (std::string(key) == "--depth" ? ws.RoomDepth : ws.RoomWidth) =
            static_cast<std::int32_t>(*cm);
    }

    const DiagramId levelId = room ? FrequencyRoomDiagram : FrequencyResponseDiagram;
    const DiagramId delayId = room ? DelayRoomDiagram : GroupDelayDiagram;
    if (!Load(ws, levelId, opt["--level"], ui) || !Load(ws, delayId, opt["--delay"], ui) ||
        !Load(ws, FrequencyResponseHighDiagram, opt["--correction"], ui))
        return kExitRefused;
    ws.CurrentDiagram = levelId;
    const bool done =
        room ? SynthesizeRoomFilter(ws, profile, ui) : SynthesizeEqFilter(ws, profile, ui);
    if (!done) return kExitRefused;

    const DiagramId filterId = room ? FilterRoomDiagram : ImpulseResponseDiagram;
    if (!Write(opt["--filter"], ws[filterId].Slot(1).points, ui)) return kExitRefused;
    if (opt.count("--achieved-level") &&
        !Write(opt["--achieved-level"], ws[levelId].Slot(2).points, ui))
        return kExitRefused;
    if (opt.count("--achieved-delay") &&
        !Write(opt["--achieved-delay"], ws[delayId].Slot(2).points, ui))
        return kExitRefused;
    return kExitOk;
}

const RegisterCommand kRegistration({"synth", kUsage, RunSynth});

}  // namespace
}  // namespace qv::cli
