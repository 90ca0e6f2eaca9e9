// The import report as text: one line for each thing the user should know.

#include <cstdio>

#include "measurements/import_types.h"

namespace qv {
namespace {

std::string Number(double v, const char* format = "%.4g") {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, v);
    return buffer;
}

std::string Hz(double v) {
    return v >= 1000.0 ? Number(v / 1000.0) + " kHz" : Number(v) + " Hz";
}

std::string Rows(std::size_t n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

const char* KindName(MeasurementKind kind) {
    switch (kind) {
        case MeasurementKind::TextResponse:
            return "text response";
        case MeasurementKind::TextImpulse:
            return "text impulse";
        case MeasurementKind::AudioImpulse:
            return "audio impulse";
    }
    return "";
}

}  // namespace

std::vector<std::string> ImportReport::Lines() const {
    std::vector<std::string> out;
    std::string head = fileName + ": " + KindName(kind);
    if (!format.empty()) head += ", " + format;
    out.push_back(head + ".");
    if (kind != MeasurementKind::AudioImpulse)
        out.push_back(Rows(lines, "line") + ": " +
                      (kind == MeasurementKind::TextImpulse ? Rows(rows, "sample") + " read, "
                                                            : Rows(rows, "row") + " read, ") +
                      Rows(skippedLines, "line") + " skipped (headers, comments, text).");
    for (const auto& note : notes) out.push_back(note);
    if (kind == MeasurementKind::TextResponse) {
        if (droppedNonPositive > 0)
            out.push_back("Dropped " + Rows(droppedNonPositive, "row") + " at or below 0 Hz.");
        if (droppedNotFinite > 0)
            out.push_back("Dropped " + Rows(droppedNotFinite, "row") +
                          " with NaN or infinite values.");
        if (sorted) out.push_back("Sorted the rows by frequency.");
        if (mergedRepeated > 0)
            out.push_back("Merged " + Rows(mergedRepeated, "row") + " with a repeated frequency.");
        if (phaseAllZero) out.push_back("The phase column is zero everywhere: treated as absent.");
        if (reducedFrom > 0)
            out.push_back("Reduced " + std::to_string(reducedFrom) + " points to " +
                          std::to_string(reducedTo) +
                          " by averaging in power on a logarithmic grid (" +
                          Number(reducedPointsPerOctave, "%.0f") + " points per octave).");
    } else {
        std::string rate = Number(sampleRate, "%.0f") + " Hz, " +
                           Rows(static_cast<std::size_t>(frames), "sample") + " (" +
                           Number(1000.0 * static_cast<double>(frames) / sampleRate) + " ms)";
        if (kind == MeasurementKind::AudioImpulse)
            rate += ", channel " + std::to_string(channel + 1) + " of " + std::to_string(channels);
        out.push_back(rate + ".");
        out.push_back("Peak at " + Number(peakMs) + " ms.");
        out.push_back(gate ? "Gate " + Number(gate->fromMs) + " to " + Number(gate->toMs) +
                                 " ms around the peak, half-Hann flanks."
                           : std::string("No gate: the whole impulse is analysed."));
        if (fdwCycles > 0.0)
            out.push_back(
                "Frequency-dependent window of " + Number(fdwCycles) + " cycles for " +
                (levelThroughFdw ? "the level and the group delay." : "the group delay."));
        if (dataOffsetDb != 0.0)
            out.push_back("Data offset of " + Number(dataOffsetDb) +
                          " dB from the header added to the level.");
        if (looksLikeRecording)
            out.push_back(
                "This file looks like a recording, not an impulse response: its "
                "energy is spread out, with no dominant peak.");
    }
    if (levelPoints > 0)
        out.push_back("Level: " + std::to_string(levelPoints) + " points, " + Hz(fromHz) + " to " +
                      Hz(toHz) + ".");
    else
        out.push_back("Level: none.");
    if (groupDelayPoints > 0)
        out.push_back("Group delay: " + std::to_string(groupDelayPoints) + " points, from the " +
                      groupDelaySource + "; late reads < 0 ms.");
    else
        out.push_back("Group delay: none.");
    return out;
}

std::string ImportReport::Text() const {
    std::string text;
    for (const auto& line : Lines()) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

}  // namespace qv
