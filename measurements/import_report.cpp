// The import report as text: one line for each thing the user should know,
// each line a whole sentence that is translated where it reaches a person.

#include <cstdio>

#include "curves/tr.h"
#include "measurements/import_types.h"

namespace qv {
namespace {

std::string Rows(std::size_t n) {
    return FillCount(n, QV_TR("%1 row"), QV_TR("%1 rows"));
}

const char* KindName(MeasurementKind kind) {
    switch (kind) {
        case MeasurementKind::TextResponse:
            return QV_TR("text response");
        case MeasurementKind::TextImpulse:
            return QV_TR("text impulse");
        case MeasurementKind::AudioImpulse:
            return QV_TR("audio impulse");
    }
    return "";
}

// The group delay's line names where it came from as a whole sentence.
std::string GroupDelayLine(std::size_t points, const std::string& source) {
    const char* pattern = QV_TR("Group delay: %1 points, from the %2; late reads < 0 ms.");
    if (source == "impulse")
        pattern = QV_TR("Group delay: %1 points, from the impulse; late reads < 0 ms.");
    else if (source == "group delay column")
        pattern = QV_TR("Group delay: %1 points, from the group delay column; late reads < 0 ms.");
    else if (source == "phase column (degrees)")
        pattern =
            QV_TR("Group delay: %1 points, from the phase column (degrees); late reads < 0 ms.");
    else if (source == "phase column (radians)")
        pattern =
            QV_TR("Group delay: %1 points, from the phase column (radians); late reads < 0 ms.");
    return Fill(pattern, {std::to_string(points), source});
}

}  // namespace

std::string ReportNumber(double v, const char* format) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, v);
    return buffer;
}

std::string ReportHz(double v) {
    return v >= 1000.0 ? ReportNumber(v / 1000.0) + " kHz" : ReportNumber(v) + " Hz";
}

std::string LevelReportLine(std::size_t points, double fromHz, double toHz) {
    if (points == 0) return QV_TR("Level: none.");
    return Fill(QV_TR("Level: %1 points, %2 to %3."),
                {std::to_string(points), ReportHz(fromHz), ReportHz(toHz)});
}

std::vector<std::string> ImportReport::Lines() const {
    std::vector<std::string> out;
    out.push_back(format.empty() ? Fill(QV_TR("%1: %2."), {fileName, KindName(kind)})
                                 : Fill(QV_TR("%1: %2, %3."), {fileName, KindName(kind), format}));
    if (kind != MeasurementKind::AudioImpulse)
        out.push_back(Fill(QV_TR("%1: %2 read, %3 skipped (headers, comments, text)."),
                           {FillCount(lines, QV_TR("%1 line"), QV_TR("%1 lines")),
                            kind == MeasurementKind::TextImpulse
                                ? FillCount(rows, QV_TR("%1 sample"), QV_TR("%1 samples"))
                                : Rows(rows),
                            FillCount(skippedLines, QV_TR("%1 line"), QV_TR("%1 lines"))}));
    for (const auto& note : notes) out.push_back(note);
    if (kind == MeasurementKind::TextResponse) {
        if (droppedNonPositive > 0)
            out.push_back(Fill(QV_TR("Dropped %1 at or below 0 Hz."), {Rows(droppedNonPositive)}));
        if (droppedNotFinite > 0)
            out.push_back(
                Fill(QV_TR("Dropped %1 with NaN or infinite values."), {Rows(droppedNotFinite)}));
        if (sorted) out.push_back(QV_TR("Sorted the rows by frequency."));
        if (mergedRepeated > 0)
            out.push_back(
                Fill(QV_TR("Merged %1 with a repeated frequency."), {Rows(mergedRepeated)}));
        if (phaseAllZero)
            out.push_back(QV_TR("The phase column is zero everywhere: treated as absent."));
        if (reducedFrom > 0)
            out.push_back(Fill(QV_TR("Reduced %1 points to %2 by averaging in power on a "
                                     "logarithmic grid (%3 points per octave)."),
                               {std::to_string(reducedFrom), std::to_string(reducedTo),
                                ReportNumber(reducedPointsPerOctave, "%.0f")}));
    } else {
        const std::string rate = ReportNumber(sampleRate, "%.0f");
        const std::string samples =
            FillCount(static_cast<std::size_t>(frames), QV_TR("%1 sample"), QV_TR("%1 samples"));
        const std::string ms = ReportNumber(1000.0 * static_cast<double>(frames) / sampleRate);
        out.push_back(
            kind == MeasurementKind::AudioImpulse
                ? Fill(QV_TR("%1 Hz, %2 (%3 ms), channel %4 of %5."),
                       {rate, samples, ms, std::to_string(channel + 1), std::to_string(channels)})
                : Fill(QV_TR("%1 Hz, %2 (%3 ms)."), {rate, samples, ms}));
        out.push_back(Fill(QV_TR("Peak at %1 ms."), {ReportNumber(peakMs)}));
        out.push_back(gate ? Fill(QV_TR("Gate %1 to %2 ms around the peak, half-Hann flanks."),
                                  {ReportNumber(gate->fromMs), ReportNumber(gate->toMs)})
                           : std::string(QV_TR("No gate: the whole impulse is analysed.")));
        if (fdwCycles > 0.0)
            out.push_back(Fill(levelThroughFdw ? QV_TR("Frequency-dependent window of %1 cycles "
                                                       "for the level and the group delay.")
                                               : QV_TR("Frequency-dependent window of %1 cycles "
                                                       "for the group delay."),
                               {ReportNumber(fdwCycles)}));
        if (dataOffsetDb != 0.0)
            out.push_back(Fill(QV_TR("Data offset of %1 dB from the header added to the level."),
                               {ReportNumber(dataOffsetDb)}));
        if (looksLikeRecording)
            out.push_back(
                QV_TR("This file looks like a recording, not an impulse response: its energy is "
                      "spread out, with no dominant peak."));
    }
    out.push_back(LevelReportLine(levelPoints, fromHz, toHz));
    out.push_back(groupDelayPoints > 0 ? GroupDelayLine(groupDelayPoints, groupDelaySource)
                                       : std::string(QV_TR("Group delay: none.")));
    return out;
}

std::string JoinReportLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    return text;
}

std::string ImportReport::Text() const {
    return JoinReportLines(Lines());
}

}  // namespace qv
