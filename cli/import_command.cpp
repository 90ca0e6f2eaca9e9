// quorvane-cli import: a measurement (text response, audio or text impulse)
// to level and group delay curves in XY-Format, with the import report on
// standard error.

#include <cmath>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_user_interface.h"
#include "curves/curve_files.h"
#include "measurements/measurement_import.h"
#include "measurements/number_fields.h"

namespace qv::cli {
namespace {

struct ImportCliOptions {
    std::string file, level, groupDelay, gate;
    int column = 1, channel = 1;
    double rate = 0;
};

// "T1:T2" in ms, T1 before T2.
ImpulseGate ParseGate(const std::string& text) {
    const auto colon = text.find(':');
    const auto from = colon == std::string::npos
                          ? std::nullopt
                          : ParseNumberField(text.substr(0, colon), DecimalMark::Point, true);
    const auto to = colon == std::string::npos
                        ? std::nullopt
                        : ParseNumberField(text.substr(colon + 1), DecimalMark::Point, true);
    if (!from || !to || !std::isfinite(*from) || !std::isfinite(*to) || !(*from < *to))
        throw UsageError("--gate takes T1:T2 in ms around the peak, T1 before T2 (e.g. -1:5)");
    return {*from, *to};
}

bool Write(const std::string& file, const PointList& list, UserInterface& ui) {
    if (!CheckFileWritable(file, ui)) return false;
    WriteXYFile(file, list, ui);
    return true;
}

int Run(const ImportCliOptions& o, bool rateGiven, bool gateGiven) {
    CliUserInterface ui;
    ImportOptions options;
    options.columnPair = o.column - 1;
    options.channel = o.channel - 1;
    if (rateGiven) options.sampleRate = o.rate;
    if (gateGiven) options.gate = ParseGate(o.gate);
    ImportedMeasurement m;
    try {
        ProgressScope progress(ui, "Import");
        options.progress = [&](double f) {
            progress(f, "reading and analysing");
            return true;
        };
        m = ImportMeasurement(o.file, options);
    } catch (const ImportOptionError& e) {
        throw UsageError(e.what());
    }
    std::cerr << m.report.Text() << "\n";
    // Everything is checked before the first file is written.
    if (!o.level.empty() && m.level.empty()) {
        std::cerr << "The file gives no level; nothing written.\n";
        return kExitRefused;
    }
    if (!o.groupDelay.empty() && m.groupDelay.empty()) {
        std::cerr << "The file gives no group delay; nothing written.\n";
        return kExitRefused;
    }
    if (!o.level.empty() && !Write(o.level, m.level, ui)) return kExitRefused;
    if (!o.groupDelay.empty() && !Write(o.groupDelay, m.groupDelay, ui)) return kExitRefused;
    return kExitOk;
}

CommandRun Setup(CLI::App& cmd) {
    auto o = std::make_shared<ImportCliOptions>();
    cmd.add_option("FILE", o->file,
                   "a text response (FRD, ZMA, CSV, exports), an audio impulse (WAV, AIFF, FLAC, "
                   "W64) or a text impulse")
        ->required();
    cmd.add_option("--column", o->column, "the (frequency, level) column pair of a text response")
        ->check(CLI::PositiveNumber)
        ->capture_default_str();
    cmd.add_option("--channel", o->channel, "the channel of an audio impulse")
        ->check(CLI::PositiveNumber)
        ->capture_default_str();
    auto* rate = cmd.add_option("--rate", o->rate, "the sample rate of a text impulse in Hz")
                     ->check(CLI::PositiveNumber);
    auto* gate = cmd.add_option("--gate", o->gate,
                                "analyse an impulse from T1 to T2 ms around its peak (T1:T2)");
    cmd.add_option("--level", o->level, "write the level in dB (XY-Format)");
    cmd.add_option("--group-delay", o->groupDelay, "write the group delay in ms (XY-Format)");
    return [o, rate, gate] { return Run(*o, rate->count() > 0, gate->count() > 0); };
}

const RegisterCommand kRegistration({"import", "a measurement file to level and group delay curves",
                                     Setup});

}  // namespace
}  // namespace qv::cli
