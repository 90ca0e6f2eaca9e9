#pragma once
// The table inside a text measurement: which separator and decimal mark it
// uses, how many fields a row has, what its header says each column holds,
// and the rows themselves, read in two streaming passes (layout first, then
// the rows of the chosen columns).

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "measurements/line_stream.h"
#include "measurements/number_fields.h"

namespace qv {

// One (frequency, level) pair of columns with the phase or group delay
// column that belongs to it. Indices from 0; -1: absent.
struct ColumnPair {
    std::string name;
    int frequency = 0;
    int level = -1;
    int phase = -1;
    bool phaseRadians = false;
    int groupDelay = -1;
    bool groupDelayMs = false;
    // The "level" column's header names something else: "impedance",
    // "coherence", or empty for a level.
    std::string notLevel;
};

struct TextLayout {
    FieldSeparator separator = FieldSeparator::Blank;
    DecimalMark mark = DecimalMark::Point;
    int columns = 0;       // fields of the usual row
    bool impulse = false;  // one number a line: samples of an impulse
    bool header = false;   // the columns were named by a header line
    std::vector<ColumnPair> pairs;
    // What the lines above the table say: a sample rate (from a "sample
    // interval" note), a data offset in dB to add to the level, and whether
    // they name an impedance or a coherence.
    double headerSampleRate = 0.0;
    double dataOffsetDb = 0.0;
    std::string notLevel;

    std::string Describe() const;  // "TAB separated, decimal point, 3 columns"
};

using ProgressFn = std::function<bool(double)>;

// The first pass: reads until the table's shape is clear. Throws ImportError
// when the text holds no rows of numbers, ImportCancelled on request.
TextLayout DetectTextLayout(LineStream& lines, const std::string& fileName,
                            const ProgressFn& progress = {});

struct TableCounts {
    std::size_t lines = 0;
    std::size_t rows = 0;
    std::size_t skipped = 0;
};

// The columns of one pair, row by row; phase and delay empty when absent.
struct RawResponse {
    std::vector<double> frequency, level, phase, delay;
    bool phaseRadians = false;
    bool delayMs = false;
};

// The second pass. Both throw ImportError beyond kMaxImportRows rows and
// ImportCancelled when progress says so.
RawResponse ReadResponseRows(LineStream& lines, const TextLayout& layout, const ColumnPair& pair,
                             TableCounts& counts, const ProgressFn& progress);
std::vector<double> ReadImpulseRows(LineStream& lines, const TextLayout& layout,
                                    TableCounts& counts, const ProgressFn& progress);

}  // namespace qv
