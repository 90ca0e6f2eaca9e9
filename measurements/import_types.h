#pragma once
// The types every part of the measurement import shares: its errors, the
// kinds of file, the options, the report and the limits.

#include <cstddef>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv {

// The file is not a measurement, or an option does not fit it. The text is
// one clear sentence for the user; nothing has been imported.
class ImportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The file is a measurement, but an option does not fit it: a column pair or
// channel that is not there, a text impulse without its rate, a gate outside
// the impulse.
class ImportOptionError : public ImportError {
  public:
    using ImportError::ImportError;
};

// An impulse was asked for, and the file holds a response.
class NotAnImpulseError : public ImportError {
  public:
    using ImportError::ImportError;
};

// The user stopped a long import through the progress callback.
class ImportCancelled : public ImportError {
  public:
    ImportCancelled() : ImportError("Import cancelled.") {}
};

enum class MeasurementKind {
    TextResponse,  // frequency, level and maybe phase or group delay columns
    TextImpulse,   // one sample a line; the sample rate comes from the user
    AudioImpulse,  // an audio file read through libsndfile
};

// A gate on an impulse, in ms relative to its peak (t1 < t2; t1 may be
// negative). The flanks are half-Hann windows of 10 % of the gate's length.
struct ImpulseGate {
    double fromMs = 0.0;
    double toMs = 0.0;
};

struct ImportOptions {
    // Which (frequency, level) column pair of a text response, from 0.
    int columnPair = 0;
    // Which channel of an audio impulse, from 0.
    int channel = 0;
    // The sample rate of a text impulse in Hz (audio files carry their own).
    std::optional<double> sampleRate;
    // Without a gate the whole impulse is analysed.
    std::optional<ImpulseGate> gate;
    // Cycles of the frequency-dependent window for an impulse's level; its
    // group delay always goes through such a window (15 cycles by default).
    std::optional<double> fdwCycles;
    // False: an impulse gives its level only (an average of levels needs no
    // group delay, and leaving it out saves most of the work).
    bool groupDelay = true;
    // Called now and then with the fraction done (0 ... 1); returning false
    // cancels the import (ImportCancelled).
    std::function<bool(double fraction)> progress;
};

struct ImportReport {
    std::string fileName;  // without folders
    MeasurementKind kind = MeasurementKind::TextResponse;
    std::string format;  // "TAB separated, decimal point, 3 columns", "WAV PCM 16-bit", ...

    // Text files: lines in the file, rows of numbers taken, lines skipped as
    // headers, comments or text.
    std::size_t lines = 0;
    std::size_t rows = 0;
    std::size_t skippedLines = 0;
    // Clean-up of a response.
    std::size_t droppedNonPositive = 0;  // at or below 0 Hz
    std::size_t droppedNotFinite = 0;    // NaN or infinite fields
    std::size_t mergedRepeated = 0;      // rows merged into an earlier frequency
    bool sorted = false;                 // rows were not ascending
    bool phaseAllZero = false;           // a phase column of zeros counts as absent
    std::size_t reducedFrom = 0;         // 0: no reduction
    std::size_t reducedTo = 0;
    double reducedPointsPerOctave = 0.0;

    // Impulses.
    double sampleRate = 0.0;
    long long frames = 0;
    int channels = 0;
    int channel = 0;
    double peakMs = 0.0;
    std::optional<ImpulseGate> gate;
    double fdwCycles = 0.0;        // the window's cycles for the group delay
    bool levelThroughFdw = false;  // and for the level
    double dataOffsetDb = 0.0;     // a text impulse header's data offset, added to the level
    bool looksLikeRecording = false;

    // The result.
    std::size_t levelPoints = 0;
    std::size_t groupDelayPoints = 0;
    double fromHz = 0.0;
    double toHz = 0.0;
    std::string groupDelaySource;  // "phase column", "group delay column", "impulse", or empty

    // Lines for the user, in reading order.
    std::vector<std::string> notes;

    // The whole report as lines of text, each one line for a dialog or a terminal.
    std::vector<std::string> Lines() const;
    std::string Text() const;  // Lines() joined by '\n'
};

// Report lines joined by '\n', for a dialog or a terminal.
std::string JoinReportLines(const std::vector<std::string>& lines);
// What the import and average reports share: a number as the reports show
// it, a frequency in Hz or kHz, and the level's line ("Level: none." without points).
std::string ReportNumber(double v, const char* format = "%.4g");
std::string ReportHz(double v);
std::string LevelReportLine(std::size_t points, double fromHz, double toHz);

// More points than the workspace's readers take are averaged down to this.
constexpr std::size_t kMaxImportPoints = 4000;
// A text response or impulse with more rows is refused; it is read as a
// stream, so memory stays bounded whatever the file's size.
constexpr std::size_t kMaxImportRows = 2'000'000;
// Audio impulses longer than this many frames are refused.
constexpr long long kMaxImpulseFrames = 8'000'000;

}  // namespace qv
