#include "measurements/measurement_import.h"

#include <algorithm>
#include <memory>

#include "measurements/audio_impulse.h"
#include "measurements/impulse_response.h"
#include "measurements/line_stream.h"
#include "measurements/response_cleanup.h"
#include "measurements/text_table.h"

namespace qv {
namespace {

// Enough of a file's start to tell audio, binary and text apart.
constexpr std::size_t kSniffBytes = 1 << 16;

using OpenLines = std::function<std::unique_ptr<LineStream>()>;

// Text has no NUL bytes and few control characters besides line ends and TABs.
bool LooksBinary(std::string_view start) {
    std::size_t control = 0;
    for (char ch : start) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == 0) return true;
        if (c < 32 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v' && c != 0x1a)
            ++control;
    }
    return control * 20 > start.size();
}

void CheckStart(std::string_view start, const std::string& name) {
    if (start.empty()) throw ImportError(name + " is empty.");
    if (LooksBinary(start)) throw ImportError(name + " is not a measurement: it is a binary file.");
}

std::string PairLabel(const ColumnPair& p) {
    std::string columns = "columns " + std::to_string(p.frequency + 1);
    for (int c : {p.level, p.phase, p.groupDelay})
        if (c >= 0) columns += ", " + std::to_string(c + 1);
    return p.name.empty() ? columns : p.name + " (" + columns + ")";
}

// Progress of one stage mapped onto [from, to] of the whole import.
ProgressFn Stage(const ProgressFn& progress, double from, double to) {
    if (!progress) return {};
    return [progress, from, to](double f) { return progress(from + (to - from) * f); };
}

void FillImpulse(ImportedMeasurement& result, std::span<const double> samples, double fs,
                 const ImportOptions& options, double progressFrom) {
    ImportReport& r = result.report;
    r.sampleRate = fs;
    r.frames = static_cast<long long>(samples.size());
    const ImpulseAnalysis a =
        AnalyseImpulse(samples, fs, options.gate, Stage(options.progress, progressFrom, 1.0));
    r.peakMs = 1000.0 * static_cast<double>(a.peak) / fs;
    r.gate = options.gate;
    if (a.gateClipped) r.notes.push_back("The gate reaches past the impulse; it is cut there.");
    result.level = a.level;
    result.groupDelay = a.groupDelay;
    r.levelPoints = a.level.size();
    r.groupDelayPoints = a.groupDelay.size();
    r.fromHz = a.level.front().x;
    r.toHz = a.level.back().x;
    r.groupDelaySource = "impulse";
}

ImportedMeasurement ImportText(const OpenLines& open, const std::string& name,
                               const ImportOptions& options) {
    ImportedMeasurement result;
    ImportReport& r = result.report;
    r.fileName = name;
    const TextLayout layout = DetectTextLayout(*open(), name, Stage(options.progress, 0, 0.15));
    r.format = layout.Describe();
    TableCounts counts;
    if (layout.impulse) {
        r.kind = MeasurementKind::TextImpulse;
        if (!options.sampleRate)
            throw ImportOptionError(name +
                                    " holds one sample a line: give the sample rate of this "
                                    "text impulse.");
        const auto samples =
            ReadImpulseRows(*open(), layout, counts, Stage(options.progress, 0.15, 0.5));
        r.lines = counts.lines;
        r.rows = counts.rows;
        r.skippedLines = counts.skipped;
        FillImpulse(result, samples, *options.sampleRate, options, 0.5);
        return result;
    }
    r.kind = MeasurementKind::TextResponse;
    const int pairs = static_cast<int>(layout.pairs.size());
    if (options.columnPair < 0 || options.columnPair >= pairs)
        throw ImportOptionError("Column pair " + std::to_string(options.columnPair + 1) +
                                " is not there: " + name + " offers " + std::to_string(pairs) +
                                (pairs == 1 ? " pair." : " pairs."));
    if (options.gate) throw ImportOptionError("A gate applies to impulses only.");
    if (options.sampleRate)
        r.notes.push_back("The sample rate is not used: the file holds a response.");
    const ColumnPair& pair = layout.pairs[static_cast<std::size_t>(options.columnPair)];
    r.notes.push_back("Column pair " + std::to_string(options.columnPair + 1) + " of " +
                      std::to_string(pairs) + ": " + PairLabel(pair) + ".");
    RawResponse raw =
        ReadResponseRows(*open(), layout, pair, counts, Stage(options.progress, 0.15, 1.0));
    r.lines = counts.lines;
    r.rows = counts.rows;
    r.skippedLines = counts.skipped;
    CleanResponse clean = CleanUpResponse(std::move(raw), r);
    result.level = std::move(clean.level);
    result.groupDelay = std::move(clean.groupDelay);
    if (options.progress) options.progress(1.0);
    return result;
}

ImportedMeasurement ImportAudio(const std::string& path, const ImportOptions& options) {
    ImportedMeasurement result;
    ImportReport& r = result.report;
    r.fileName = BaseName(path);
    r.kind = MeasurementKind::AudioImpulse;
    AudioInfo info;
    const auto samples =
        ReadAudioChannel(path, options.channel, info, Stage(options.progress, 0, 0.3));
    r.format = info.format;
    r.channels = info.channels;
    r.channel = options.channel;
    if (options.sampleRate)
        r.notes.push_back("The given sample rate is not used: the file carries its own.");
    FillImpulse(result, samples, info.sampleRate, options, 0.3);
    return result;
}

MeasurementProbe ProbeText(std::unique_ptr<LineStream> lines, const std::string& name,
                           const ProgressFn& progress) {
    const TextLayout layout = DetectTextLayout(*lines, name, progress);
    MeasurementProbe probe;
    probe.format = layout.Describe();
    if (layout.impulse) {
        probe.kind = MeasurementKind::TextImpulse;
        probe.needsSampleRate = true;
        return probe;
    }
    for (const auto& p : layout.pairs) probe.columnPairs.push_back(PairLabel(p));
    return probe;
}

}  // namespace

MeasurementProbe ProbeMeasurement(const std::string& path) {
    return ProbeMeasurement(path, {});
}

MeasurementProbe ProbeMeasurement(const std::string& path,
                                  const std::function<bool(double fraction)>& progress) {
    const std::string name = BaseName(path);
    const std::string start = ReadFileStart(path, kSniffBytes);
    if (LooksLikeAudio(start)) {
        const AudioInfo info = ProbeAudio(path);
        MeasurementProbe probe;
        probe.kind = MeasurementKind::AudioImpulse;
        probe.channels = info.channels;
        probe.sampleRate = info.sampleRate;
        probe.frames = info.frames;
        probe.format = info.format;
        return probe;
    }
    CheckStart(start, name);
    return ProbeText(std::make_unique<LineStream>(path), name, progress);
}

ImportedMeasurement ImportMeasurement(const std::string& path, const ImportOptions& options) {
    const std::string name = BaseName(path);
    const std::string start = ReadFileStart(path, kSniffBytes);
    if (LooksLikeAudio(start)) return ImportAudio(path, options);
    CheckStart(start, name);
    return ImportText([&] { return std::make_unique<LineStream>(path); }, name, options);
}

ImportedMeasurement ImportMeasurementText(std::string_view text, const std::string& name,
                                          const ImportOptions& options) {
    CheckStart(text.substr(0, kSniffBytes), name);
    return ImportText([&] { return std::make_unique<LineStream>(text); }, name, options);
}

}  // namespace qv
