#pragma once
// The measured curves of "import", "average", "correct", "smooth" and
// "synth", read through the measurement importer with the same options
// everywhere: --column --channel --rate --gate --fdw.

#include <CLI/CLI.hpp>
#include <cmath>
#include <optional>
#include <string>

#include "cli/cli_command.h"
#include "cli/cli_language.h"
#include "curves/curve_files.h"
#include "curves/point_list.h"
#include "curves/tr.h"
#include "measurements/measurement_import.h"
#include "measurements/number_fields.h"

namespace qv::cli {

// Writes a curve in XY-Format; false (after the message) where the file
// may not be written.
inline bool WriteCurveFile(const std::string& file, const PointList& list, UserInterface& ui) {
    if (!CheckFileWritable(file, ui)) return false;
    WriteXYFile(file, list, ui);
    return true;
}

// The import options as typed; the CLI11 options tell what was given.
struct ImportArgs {
    int column = 1, channel = 1;
    double rate = 0, fdw = 0;
    std::string gate;
    CLI::Option *rateOption = nullptr, *gateOption = nullptr, *fdwOption = nullptr;
};

// "T1:T2" in ms, T1 before T2.
inline ImpulseGate ParseGate(const std::string& text) {
    const auto colon = text.find(':');
    const auto from = colon == std::string::npos
                          ? std::nullopt
                          : ParseNumberField(text.substr(0, colon), DecimalMark::Point, true);
    const auto to = colon == std::string::npos
                        ? std::nullopt
                        : ParseNumberField(text.substr(colon + 1), DecimalMark::Point, true);
    if (!from || !to || !std::isfinite(*from) || !std::isfinite(*to) || !(*from < *to))
        throw UsageError(
            QV_TR("--gate takes T1:T2 in ms around the peak, T1 before T2 (e.g. -1:5)"));
    return {*from, *to};
}

// rateName: "synth" has a --rate of its own and names the import's
// --measured-rate.
inline void AddImportOptions(CLI::App& cmd, ImportArgs& a, const std::string& rateName = "--rate") {
    cmd.add_option("--column", a.column,
                   Tr(QV_TR("the (frequency, level) column pair of a text response")))
        ->check(CLI::PositiveNumber)
        ->capture_default_str();
    cmd.add_option("--channel", a.channel, Tr(QV_TR("the channel of an audio impulse")))
        ->check(CLI::PositiveNumber)
        ->capture_default_str();
    a.rateOption =
        cmd.add_option(rateName, a.rate,
                       Tr(QV_TR("the sample rate of a text impulse in Hz (default: its header)")))
            ->check(CLI::PositiveNumber);
    a.gateOption = cmd.add_option(
        "--gate", a.gate, Tr(QV_TR("analyse an impulse from T1 to T2 ms around its peak (T1:T2)")));
    a.fdwOption =
        cmd.add_option("--fdw", a.fdw,
                       Tr(QV_TR("level of an impulse through a frequency-dependent window of "
                                "CYCLES (its group delay always: 15 unless given)")))
            ->check(CLI::Range(1.0, 1000.0));
}

// Throws UsageError for a gate that is not T1:T2.
inline ImportOptions ToImportOptions(const ImportArgs& a) {
    ImportOptions o;
    o.columnPair = a.column - 1;
    o.channel = a.channel - 1;
    if (a.rateOption && a.rateOption->count() > 0) o.sampleRate = a.rate;
    if (a.gateOption && a.gateOption->count() > 0) o.gate = ParseGate(a.gate);
    if (a.fdwOption && a.fdwOption->count() > 0) o.fdwCycles = a.fdw;
    return o;
}

// An option that does not fit the file is the user's to fix: a usage error.
inline ImportedMeasurement ImportForCommand(const std::string& file, const ImportOptions& o) {
    try {
        return ImportMeasurement(file, o);
    } catch (const ImportOptionError& e) {
        throw UsageError(e.what());
    }
}

// The level of a measurement file (dB over Hz).
inline PointList ImportLevel(const std::string& file, const ImportOptions& o = {}) {
    return ImportForCommand(file, o).level;
}

// A group delay from a file: the delay the importer derives (from a phase or
// a delay column, or from an impulse); a plain two-column curve of ms over Hz
// otherwise.
inline PointList ImportDelay(const std::string& file, const ImportOptions& o = {}) {
    ImportedMeasurement m = ImportForCommand(file, o);
    return m.groupDelay.empty() ? std::move(m.level) : std::move(m.groupDelay);
}

}  // namespace qv::cli
