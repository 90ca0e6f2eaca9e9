#include "correction/predicted_result.h"

#include "curves/tr.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "dsp_math/trig_sums.h"

namespace qv {
namespace {

struct Spectrum {
    std::vector<double> freqs;             // Hz
    std::vector<double> re, im, dre, dim;  // sums of h and of n*h
};

// The cosine and sine sums of h and of n*h at every frequency of `at` in
// (0, fs/2]; the second pair gives the group delay without unwrapping.
Spectrum SumsAt(const PointList& filter, const PointList& at, double fs, bool withDerivative) {
    Spectrum s;
    std::vector<double> nu;
    for (const CurvePoint& p : at)
        if (p.x > 0.0 && p.x <= fs / 2.0) {
            s.freqs.push_back(p.x);
            nu.push_back(p.x / fs);
        }
    std::vector<double> h(filter.size()), nh(filter.size());
    for (std::size_t k = 0; k < filter.size(); ++k) {
        h[k] = filter[k].y;
        nh[k] = static_cast<double>(k) * filter[k].y;
    }
    s.re.resize(nu.size());
    s.im.resize(nu.size());
    TrigSums(h, h, nu, s.re, s.im);
    if (withDerivative) {
        s.dre.resize(nu.size());
        s.dim.resize(nu.size());
        TrigSums(nh, nh, nu, s.dre, s.dim);
    }
    return s;
}

double Decibel(double a, double b) {
    const double m = std::sqrt(a * a + b * b);
    return m == 0.0 ? -200.0 : 20.0 * std::log10(m);
}

PointList AddAt(const PointList& measured, const PointList& filterCurve) {
    PointList out;
    std::size_t j = 0;
    for (const CurvePoint& p : measured) {
        if (j < filterCurve.size() && filterCurve[j].x == p.x) {
            AppendPoint(out, p.x, p.y + filterCurve[j].y);
            ++j;
        }
    }
    return out;
}

}  // namespace

PointList FilterLevelAt(const PointList& filter, const PointList& at, double fs) {
    const Spectrum s = SumsAt(filter, at, fs, false);
    PointList out;
    out.reserve(s.freqs.size());
    for (std::size_t j = 0; j < s.freqs.size(); ++j)
        AppendPoint(out, s.freqs[j], Decibel(s.re[j], s.im[j]));
    return out;
}

PointList FilterDelayAt(const PointList& filter, const PointList& at, std::int32_t n, double fs) {
    const Spectrum s = SumsAt(filter, at, fs, true);
    const double bulk = n / (2.0 * fs) * 1000.0;
    PointList out;
    out.reserve(s.freqs.size());
    for (std::size_t j = 0; j < s.freqs.size(); ++j) {
        // X = A - jB and sum n h e^(-j w n) = C - jD: the delay in samples is
        // Re((C - jD) / (A - jB)); at a zero of X it is taken as 0.
        const double a = s.re[j], b = s.im[j], c = s.dre[j], d = s.dim[j];
        const double power = a * a + b * b;
        const double samples = power > 0.0 ? (c * a + d * b) / power : 0.0;
        AppendPoint(out, s.freqs[j], -samples * 1000.0 / fs + bulk);
    }
    return out;
}

PointList PredictLevel(const PointList& measured, const PointList& filter, double fs) {
    return AddAt(measured, FilterLevelAt(filter, measured, fs));
}

PointList PredictDelay(const PointList& measuredDelay, const PointList& filter, std::int32_t n,
                       double fs) {
    return AddAt(measuredDelay, FilterDelayAt(filter, measuredDelay, n, fs));
}

std::optional<double> BandRmsDeviation(const PointList& curve, double from, double to) {
    double sum = 0.0, sumSq = 0.0;
    int count = 0;
    for (const CurvePoint& p : curve)
        if (p.x >= from && p.x <= to) {
            sum += p.y;
            ++count;
        }
    if (count < 2) return std::nullopt;
    const double mean = sum / count;
    for (const CurvePoint& p : curve)
        if (p.x >= from && p.x <= to) sumSq += (p.y - mean) * (p.y - mean);
    return std::sqrt(sumSq / count);
}

Headroom FilterHeadroom(const PointList& filter) {
    Headroom h;
    for (const CurvePoint& p : filter) h.peak = std::max(h.peak, std::abs(p.y));
    h.excessDb = h.peak > 1.0 ? 20.0 * std::log10(h.peak) : 0.0;
    return h;
}

double HeadroomLoweringDb(const Headroom& h) {
    return std::ceil(h.excessDb * 10.0) / 10.0;
}

std::string HeadroomActionText(const Headroom& h) {
    char db[32];
    std::snprintf(db, sizeof db, "%.1f", HeadroomLoweringDb(h));
    return Fill(QV_TR("Lower by %1 dB and Execute"), {db});
}

std::string HeadroomMessage(const Headroom& h) {
    char peak[32], db[32];
    std::snprintf(peak, sizeof peak, "%.3f", h.peak);
    std::snprintf(db, sizeof db, "%.1f", HeadroomLoweringDb(h));
    return Fill(QV_TR("The filter clips in the DSP: its largest coefficient is %1 (the DSP holds "
                      "at most 1). Lower the target by %2 dB."),
                {peak, db});
}

Prediction PredictMeasurement(const PointList& measuredLevel, const PointList& measuredDelay,
                              const PointList& filter, std::int32_t n, double fs, double from,
                              double to) {
    Prediction p;
    if (filter.empty()) return p;
    if (!measuredLevel.empty()) {
        p.level = PredictLevel(measuredLevel, filter, fs);
        p.rms = BandRmsDeviation(p.level, from, to);
    }
    if (!measuredDelay.empty()) p.delay = PredictDelay(measuredDelay, filter, n, fs);
    return p;
}

std::string RmsStatusText(double rms, double from, double to) {
    char values[3][32];
    std::snprintf(values[0], sizeof values[0], "%.2f", rms);
    std::snprintf(values[1], sizeof values[1], "%g", from);
    std::snprintf(values[2], sizeof values[2], "%g", to);
    return Fill(QV_TR("predicted: %1 dB RMS deviation from %2 to %3 Hz"),
                {values[0], values[1], values[2]});
}

}  // namespace qv
