#include "measurements/measurement_average.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>

#include "curves/tr.h"
#include "measurements/impulse_response.h"

namespace qv {
namespace {

// The fractional shift's interpolation reaches this many samples each way.
constexpr int kSincHalfTaps = 16;
// The cross-correlation looks this far around the peaks' own distance, over
// this much of the impulse around the reference's peak.
constexpr std::ptrdiff_t kSearchSamples = 64;
constexpr std::ptrdiff_t kCorrelateBefore = 256, kCorrelateAfter = 4096;

std::size_t PeakOf(std::span<const double> h) {
    std::size_t peak = 0;
    for (std::size_t i = 0; i < h.size(); ++i)
        if (std::fabs(h[i]) > std::fabs(h[peak])) peak = i;
    return peak;
}

double ValueAt(const PointList& c, double f) {
    if (f <= c.front().x) return c.front().y;
    if (f >= c.back().x) return c.back().y;
    const auto it = std::lower_bound(c.begin(), c.end(), f,
                                     [](const CurvePoint& p, double v) { return p.x < v; });
    const CurvePoint &q = *it, &p = *(it - 1);
    return p.y + (q.y - p.y) * std::log(f / p.x) / std::log(q.x / p.x);
}

void CheckCount(std::size_t n) {
    if (n < kMinAverageInputs)
        throw ImportError(n == 1 ? QV_TR("Averaging needs 2 to 16 measurements; one was given.")
                                 : QV_TR("Averaging needs 2 to 16 measurements; none were given."));
    if (n > kMaxAverageInputs)
        throw ImportError(Fill(QV_TR("Averaging takes at most 16 measurements; %1 were given."),
                               {std::to_string(n)}));
}

}  // namespace

const char* AverageMethodName(AverageMethod m) {
    switch (m) {
        case AverageMethod::Power:
            return "power";
        case AverageMethod::Db:
            return "dB";
        case AverageMethod::Vector:
            return "vector";
    }
    return "";
}

std::optional<AverageMethod> ParseAverageMethod(std::string_view name) {
    if (name == "power") return AverageMethod::Power;
    if (name == "db" || name == "dB") return AverageMethod::Db;
    if (name == "vector") return AverageMethod::Vector;
    return std::nullopt;
}

PointList AverageLevels(const std::vector<PointList>& levels, AverageMethod method) {
    double from = 0.0, to = std::numeric_limits<double>::infinity();
    for (const PointList& l : levels) {
        if (l.empty()) throw ImportError(QV_TR("A measurement to average holds no level."));
        from = std::max(from, l.front().x);
        to = std::min(to, l.back().x);
    }
    if (!(from < to))
        throw ImportError(QV_TR("The measurements share no frequency range: nothing to average."));
    const double octaves = std::log2(to / from);
    const auto steps = std::max<std::size_t>(
        1, static_cast<std::size_t>(std::ceil(kAveragePointsPerOctave * octaves)));
    PointList out;
    out.reserve(steps + 1);
    for (std::size_t k = 0; k <= steps; ++k) {
        const double f =
            k == steps
                ? to
                : from * std::exp2(octaves * static_cast<double>(k) / static_cast<double>(steps));
        double sum = 0.0;
        for (const PointList& l : levels) {
            const double v = ValueAt(l, f);
            sum += method == AverageMethod::Db ? v : std::pow(10.0, v / 10.0);
        }
        const double mean = sum / static_cast<double>(levels.size());
        AppendPoint(out, f, method == AverageMethod::Db ? mean : 10.0 * std::log10(mean));
    }
    return out;
}

double AlignmentShift(std::span<const double> reference, std::span<const double> other) {
    if (reference.empty() || other.empty()) return 0.0;
    const auto pr = static_cast<std::ptrdiff_t>(PeakOf(reference));
    const auto po = static_cast<std::ptrdiff_t>(PeakOf(other));
    const auto nr = static_cast<std::ptrdiff_t>(reference.size());
    const auto no = static_cast<std::ptrdiff_t>(other.size());
    const std::ptrdiff_t from = std::max<std::ptrdiff_t>(0, pr - kCorrelateBefore);
    const std::ptrdiff_t to = std::min(nr, pr + kCorrelateAfter);
    auto correlation = [&](std::ptrdiff_t lag) {
        double sum = 0.0;
        for (std::ptrdiff_t i = from; i < to; ++i) {
            const std::ptrdiff_t j = i + lag;
            if (j >= 0 && j < no)
                sum += reference[static_cast<std::size_t>(i)] * other[static_cast<std::size_t>(j)];
        }
        return sum;
    };
    const std::ptrdiff_t centre = po - pr;
    std::ptrdiff_t best = centre;
    double bestValue = -std::numeric_limits<double>::infinity();
    for (std::ptrdiff_t lag = centre - kSearchSamples; lag <= centre + kSearchSamples; ++lag) {
        const double c = correlation(lag);
        if (c > bestValue) {
            bestValue = c;
            best = lag;
        }
    }
    const double left = correlation(best - 1), right = correlation(best + 1);
    const double curve = left - 2.0 * bestValue + right;
    const double fraction = curve < 0.0 ? std::clamp(0.5 * (left - right) / curve, -0.5, 0.5) : 0.0;
    return static_cast<double>(best) + fraction;
}

std::vector<double> AdvanceImpulse(std::span<const double> h, double shift) {
    const auto n = static_cast<std::ptrdiff_t>(h.size());
    std::vector<double> out(h.size(), 0.0);
    const double whole = std::floor(shift);
    const double fraction = shift - whole;
    const auto offset = static_cast<std::ptrdiff_t>(whole);
    if (fraction == 0.0) {
        for (std::ptrdiff_t i = 0; i < n; ++i)
            if (i + offset >= 0 && i + offset < n)
                out[static_cast<std::size_t>(i)] = h[static_cast<std::size_t>(i + offset)];
        return out;
    }
    // Blackman-windowed sinc taps for the fraction, the same for every sample.
    std::vector<double> taps;
    for (int k = -kSincHalfTaps + 1; k <= kSincHalfTaps; ++k) {
        const double x = static_cast<double>(k) - fraction;
        const double sinc = std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
        const double t = (x + kSincHalfTaps) / (2.0 * kSincHalfTaps);
        const double w = 0.42 - 0.5 * std::cos(2.0 * std::numbers::pi * t) +
                         0.08 * std::cos(4.0 * std::numbers::pi * t);
        taps.push_back(sinc * w);
    }
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        double sum = 0.0;
        const std::ptrdiff_t base = i + offset - kSincHalfTaps + 1;
        for (std::size_t k = 0; k < taps.size(); ++k) {
            const std::ptrdiff_t j = base + static_cast<std::ptrdiff_t>(k);
            if (j >= 0 && j < n) sum += taps[k] * h[static_cast<std::size_t>(j)];
        }
        out[static_cast<std::size_t>(i)] = sum;
    }
    return out;
}

namespace {

AveragedMeasurement AverageVectors(const std::vector<AverageInput>& inputs,
                                   const std::function<bool(double)>& progress) {
    AveragedMeasurement result;
    AverageReport& r = result.report;
    std::vector<ImpulseSamples> impulses;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        ImportOptions o = inputs[i].options;
        o.progress = {};
        ImpulseSamples s;
        try {
            s = ReadImpulseSamples(inputs[i].path, o);
        } catch (const NotAnImpulseError& e) {
            throw ImportError(Fill(QV_TR("Vector averaging needs impulses: %1"), {e.what()}));
        }
        if (!impulses.empty() && s.sampleRate != impulses.front().sampleRate)
            throw ImportError(
                Fill(QV_TR("Vector averaging needs one sample rate: %1 is at %2 Hz, "
                           "%3 at %4 Hz. Resample them, or average as power."),
                     {impulses.front().fileName, ReportNumber(impulses.front().sampleRate, "%.0f"),
                      s.fileName, ReportNumber(s.sampleRate, "%.0f")}));
        r.inputs.push_back(s.fileName);
        r.kinds.push_back(s.kind);
        impulses.push_back(std::move(s));
        if (progress &&
            !progress(0.3 * static_cast<double>(i + 1) / static_cast<double>(inputs.size())))
            throw ImportCancelled();
    }
    const double fs = impulses.front().sampleRate;
    r.sampleRate = fs;
    const std::vector<double>& first = impulses.front().samples;
    std::vector<double> sum(first.begin(), first.end());
    r.shiftsMs.push_back(0.0);
    for (std::size_t i = 1; i < impulses.size(); ++i) {
        const std::vector<double>& h = impulses[i].samples;
        const double shift = AlignmentShift(first, h);
        r.shiftsMs.push_back(1000.0 * shift / fs);
        std::vector<double> padded(h.begin(), h.end());
        padded.resize(std::max(h.size(), first.size()), 0.0);
        const std::vector<double> aligned = AdvanceImpulse(padded, shift);
        for (std::size_t k = 0; k < sum.size(); ++k) sum[k] += aligned[k];
        if (progress &&
            !progress(0.3 + 0.2 * static_cast<double>(i) / static_cast<double>(impulses.size())))
            throw ImportCancelled();
    }
    for (double& v : sum) v /= static_cast<double>(impulses.size());
    const ImportOptions& o = inputs.front().options;
    const ProgressFn analysis =
        progress ? ProgressFn([&](double f) { return progress(0.5 + 0.5 * f); }) : ProgressFn{};
    const ImpulseAnalysis a = AnalyseImpulse(sum, fs, o.gate, analysis, o.fdwCycles);
    result.level = a.level;
    result.groupDelay = a.groupDelay;
    if (o.gate || o.fdwCycles)
        r.notes.push_back(QV_TR("The first measurement's gate and window apply to the average."));
    return result;
}

}  // namespace

AveragedMeasurement AverageMeasurements(const std::vector<AverageInput>& inputs,
                                        AverageMethod method,
                                        const std::function<bool(double)>& progress) {
    CheckCount(inputs.size());
    AveragedMeasurement result;
    if (method == AverageMethod::Vector) {
        result = AverageVectors(inputs, progress);
    } else {
        std::vector<PointList> levels;
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            ImportOptions o = inputs[i].options;
            o.groupDelay = false;
            const double from = static_cast<double>(i) / static_cast<double>(inputs.size());
            const double step = 1.0 / static_cast<double>(inputs.size());
            o.progress =
                progress ? [&progress, from, step](double f) { return progress(from + step * f); }
                         : std::function<bool(double)>{};
            ImportedMeasurement m = ImportMeasurement(inputs[i].path, o);
            result.report.inputs.push_back(m.report.fileName);
            result.report.kinds.push_back(m.report.kind);
            levels.push_back(std::move(m.level));
        }
        result.level = AverageLevels(levels, method);
    }
    AverageReport& r = result.report;
    r.method = method;
    r.levelPoints = result.level.size();
    r.groupDelayPoints = result.groupDelay.size();
    if (!result.level.empty()) {
        r.fromHz = result.level.front().x;
        r.toHz = result.level.back().x;
    }
    return result;
}

std::vector<std::string> AverageReport::Lines() const {
    std::vector<std::string> out;
    const char* head = QV_TR("Average of %1 measurements, power method.");
    if (method == AverageMethod::Db) head = QV_TR("Average of %1 measurements, dB method.");
    if (method == AverageMethod::Vector) head = QV_TR("Average of %1 measurements, vector method.");
    out.push_back(Fill(head, {std::to_string(inputs.size())}));
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        if (i >= shiftsMs.size())
            out.push_back(number + ". " + inputs[i]);
        else if (i == 0)
            out.push_back(Fill(QV_TR("%1. %2 (reference)"), {number, inputs[i]}));
        else
            out.push_back(Fill(QV_TR("%1. %2, aligned by %3 ms"),
                               {number, inputs[i], ReportNumber(shiftsMs[i])}));
    }
    for (const auto& note : notes) out.push_back(note);
    out.push_back(LevelReportLine(levelPoints, fromHz, toHz));
    out.push_back(
        groupDelayPoints > 0
            ? Fill(QV_TR("Group delay: %1 points, from the averaged impulse; late reads < 0 ms."),
                   {std::to_string(groupDelayPoints)})
            : std::string(QV_TR("Group delay: none (vector averaging of impulses gives one).")));
    return out;
}

std::string AverageReport::Text() const {
    return JoinReportLines(Lines());
}

}  // namespace qv
