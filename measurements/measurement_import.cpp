#include "measurements/measurement_import.h"

#include "curves/tr.h"

#include <algorithm>
#include <cctype>
#include <cmath>
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
    if (start.empty()) throw ImportError(Fill(QV_TR("%1 is empty."), {name}));
    if (LooksBinary(start))
        throw ImportError(Fill(QV_TR("%1 is not a measurement: it is a binary file."), {name}));
}

std::string PairLabel(const ColumnPair& p) {
    std::string numbers = std::to_string(p.frequency + 1);
    for (int c : {p.level, p.phase, p.groupDelay})
        if (c >= 0) numbers += ", " + std::to_string(c + 1);
    return p.name.empty() ? Fill(QV_TR("columns %1"), {numbers})
                          : Fill(QV_TR("%1 (columns %2)"), {p.name, numbers});
}

// Progress of one stage mapped onto [from, to] of the whole import.
ProgressFn Stage(const ProgressFn& progress, double from, double to) {
    if (!progress) return {};
    return [progress, from, to](double f) { return progress(from + (to - from) * f); };
}

// An impulse response holds most of its energy shortly after its peak; a
// recording of a sweep or of music spreads it over seconds.
bool LooksLikeRecording(std::span<const double> samples, std::size_t peak, double fs) {
    const auto before = static_cast<std::size_t>(0.02 * fs),
               after = static_cast<std::size_t>(0.5 * fs);
    const std::size_t from = peak > before ? peak - before : 0;
    const std::size_t to = std::min(samples.size(), peak + after + 1);
    double near = 0.0, all = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double e = samples[i] * samples[i];
        all += e;
        if (i >= from && i < to) near += e;
    }
    return all > 0.0 && near < 0.5 * all;
}

void FillImpulse(ImportedMeasurement& result, std::span<const double> samples, double fs,
                 const ImportOptions& options, double progressFrom, double offsetDb = 0.0) {
    ImportReport& r = result.report;
    r.sampleRate = fs;
    r.frames = static_cast<long long>(samples.size());
    ImpulseAnalysis a = AnalyseImpulse(
        samples, fs, options.gate, Stage(options.progress, progressFrom, 1.0), options.fdwCycles,
        options.groupDelay ? ImpulseParts::LevelAndGroupDelay : ImpulseParts::LevelOnly);
    r.peakMs = 1000.0 * static_cast<double>(a.peak) / fs;
    r.gate = options.gate;
    r.fdwCycles = options.fdwCycles.value_or(kDefaultFdwCycles);
    r.levelThroughFdw = options.fdwCycles.has_value();
    if (a.gateClipped)
        r.notes.push_back(QV_TR("The gate reaches past the impulse; it is cut there."));
    r.looksLikeRecording = LooksLikeRecording(samples, a.peak, fs);
    if (offsetDb != 0.0) {
        r.dataOffsetDb = offsetDb;
        for (CurvePoint& p : a.level) p.y += offsetDb;
    }
    result.level = a.level;
    result.groupDelay = a.groupDelay;
    r.levelPoints = a.level.size();
    r.groupDelayPoints = a.groupDelay.size();
    r.fromHz = a.level.front().x;
    r.toHz = a.level.back().x;
    if (!a.groupDelay.empty()) r.groupDelaySource = "impulse";
}

[[noreturn]] void RefuseAs(const std::string& what, const std::string& name) {
    if (what == "coherence")
        throw ImportError(
            Fill(QV_TR("%1 holds a coherence (0 to 1), not a level in dB: it is not imported."),
                 {name}));
    throw ImportError(Fill(
        QV_TR("%1 holds an impedance (ohms), not a level in dB: it is not imported."), {name}));
}

void RefuseNotLevel(const TextLayout& layout, const std::string& name) {
    std::string ext = name.size() >= 4 ? name.substr(name.size() - 4) : "";
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".zma") RefuseAs("impedance", name);
    // A named pair decides; the lines above count where no column is named.
    if (!layout.header && !layout.notLevel.empty()) RefuseAs(layout.notLevel, name);
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
        double rate = layout.headerSampleRate;
        if (options.sampleRate) {
            if (rate > 0.0 && std::fabs(*options.sampleRate - rate) > 1e-6 * rate)
                r.notes.push_back(QV_TR("The given sample rate is used, not the header's."));
            rate = *options.sampleRate;
        } else if (rate > 0.0) {
            r.notes.push_back(QV_TR("Sample rate from the header's sample interval."));
        }
        if (!(rate > 0.0))
            throw ImportOptionError(Fill(
                QV_TR("%1 holds one sample a line: give the sample rate of this text impulse."),
                {name}));
        const auto samples =
            ReadImpulseRows(*open(), layout, counts, Stage(options.progress, 0.15, 0.5));
        r.lines = counts.lines;
        r.rows = counts.rows;
        r.skippedLines = counts.skipped;
        FillImpulse(result, samples, rate, options, 0.5, layout.dataOffsetDb);
        return result;
    }
    r.kind = MeasurementKind::TextResponse;
    RefuseNotLevel(layout, name);
    const int pairs = static_cast<int>(layout.pairs.size());
    if (options.columnPair < 0 || options.columnPair >= pairs)
        throw ImportOptionError(Fill(
            QV_TR("Column pair %1 is not there: %2 offers %3."),
            {std::to_string(options.columnPair + 1), name,
             FillCount(static_cast<std::size_t>(pairs), QV_TR("%1 pair"), QV_TR("%1 pairs"))}));
    if (options.gate) throw ImportOptionError(QV_TR("A gate applies to impulses only."));
    if (options.sampleRate)
        r.notes.push_back(QV_TR("The sample rate is not used: the file holds a response."));
    const ColumnPair& pair = layout.pairs[static_cast<std::size_t>(options.columnPair)];
    if (!pair.notLevel.empty()) RefuseAs(pair.notLevel, name);
    if (options.fdwCycles)
        r.notes.push_back(
            QV_TR("The frequency-dependent window is not used: the file holds a response."));
    r.notes.push_back(
        Fill(QV_TR("Column pair %1 of %2: %3."),
             {std::to_string(options.columnPair + 1), std::to_string(pairs), PairLabel(pair)}));
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
        r.notes.push_back(QV_TR("The given sample rate is not used: the file carries its own."));
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
        probe.headerSampleRate = layout.headerSampleRate;
        probe.needsSampleRate = !(layout.headerSampleRate > 0.0);
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

ImpulseSamples ReadImpulseSamples(const std::string& path, const ImportOptions& options) {
    ImpulseSamples out;
    out.fileName = BaseName(path);
    const std::string start = ReadFileStart(path, kSniffBytes);
    if (LooksLikeAudio(start)) {
        AudioInfo info;
        out.samples = ReadAudioChannel(path, options.channel, info, options.progress);
        out.sampleRate = info.sampleRate;
        return out;
    }
    CheckStart(start, out.fileName);
    LineStream first(path);
    const TextLayout layout = DetectTextLayout(first, out.fileName);
    if (!layout.impulse)
        throw NotAnImpulseError(
            Fill(QV_TR("%1 holds a response, not an impulse."), {out.fileName}));
    out.kind = MeasurementKind::TextImpulse;
    out.sampleRate = options.sampleRate.value_or(layout.headerSampleRate);
    if (!(out.sampleRate > 0.0))
        throw ImportOptionError(
            Fill(QV_TR("%1 holds one sample a line: give the sample rate of this text impulse."),
                 {out.fileName}));
    LineStream rows(path);
    TableCounts counts;
    out.samples = ReadImpulseRows(rows, layout, counts, options.progress);
    const double scale = std::pow(10.0, layout.dataOffsetDb / 20.0);
    for (double& v : out.samples) v *= scale;
    return out;
}

ImportedMeasurement ImportMeasurementText(std::string_view text, const std::string& name,
                                          const ImportOptions& options) {
    CheckStart(text.substr(0, kSniffBytes), name);
    return ImportText([&] { return std::make_unique<LineStream>(text); }, name, options);
}

}  // namespace qv
