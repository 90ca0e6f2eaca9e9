#pragma once
// Averaging measurements of one loudspeaker or room taken at several seats
// into one: every input through the importer with its own options, then the
// levels averaged as power or in dB on the frequencies all inputs share, or
// the impulses aligned to the first and averaged as vectors.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "measurements/measurement_import.h"

namespace qv {

enum class AverageMethod {
    Power,   // mean of 10^(L/10): what a listener moving between the seats hears
    Db,      // mean of L
    Vector,  // complex mean of aligned impulses: keeps the phase, needs impulses
};
const char* AverageMethodName(AverageMethod m);  // "power", "dB", "vector"
std::optional<AverageMethod> ParseAverageMethod(std::string_view name);

constexpr std::size_t kMinAverageInputs = 2;
constexpr std::size_t kMaxAverageInputs = 16;
// The result's grid, like an import's.
constexpr double kAveragePointsPerOctave = 48.0;

struct AverageInput {
    std::string path;
    ImportOptions options;  // its progress is not used
};

struct AverageReport {
    AverageMethod method = AverageMethod::Power;
    std::vector<std::string> inputs;     // file names
    std::vector<MeasurementKind> kinds;  // what each file was
    std::vector<double> shiftsMs;        // vector: how much later each input came than the first
    double sampleRate = 0.0;             // vector
    double fromHz = 0.0, toHz = 0.0;
    std::size_t levelPoints = 0, groupDelayPoints = 0;
    std::vector<std::string> notes;

    std::vector<std::string> Lines() const;
    std::string Text() const;
};

struct AveragedMeasurement {
    PointList level;       // dB over Hz
    PointList groupDelay;  // ms over Hz (vector only), late reads negative
    AverageReport report;
};

// The levels averaged on a logarithmic grid over the range they all cover,
// each read between its points linearly in log frequency. method: Power or
// Db. Throws ImportError when they share no range.
PointList AverageLevels(const std::vector<PointList>& levels, AverageMethod method);

// How many samples (with a fraction) `other` comes later than `reference`:
// the peak of their cross-correlation near their peaks, refined by a parabola.
double AlignmentShift(std::span<const double> reference, std::span<const double> other);
// h moved `shift` samples earlier (a windowed-sinc interpolation for the
// fraction), as long as h; samples from beyond its ends are 0.
std::vector<double> AdvanceImpulse(std::span<const double> h, double shift);

// The whole average. Throws ImportError with a clear message (nothing to
// write) for fewer than 2 or more than 16 inputs, a response where vector
// asks for impulses, different sample rates for vector, no shared range;
// ImportCancelled when progress returns false.
AveragedMeasurement AverageMeasurements(const std::vector<AverageInput>& inputs,
                                        AverageMethod method,
                                        const std::function<bool(double)>& progress = {});

}  // namespace qv
