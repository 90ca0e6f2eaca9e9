// The level of a long impulse read from one transform must be the level the
// direct Fourier sums give, with and without gate and window (whose weights
// are no longer a cosine a sample), within 0.001 dB at every point of the grid.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "dsp_math/trig_sums.h"
#include "measurements/impulse_response.h"

namespace qv {
namespace {

// A room: a direct sound, a few reflections and a decaying noise tail.
std::vector<double> RoomImpulse(std::size_t n, double fs) {
    std::vector<double> h(n, 0.0);
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 1.0);
    for (std::size_t i = 300; i < n; ++i) {
        const double t = static_cast<double>(i - 300) / fs;
        h[i] = 0.8 * std::pow(0.5, static_cast<double>(i - 300)) +
               0.03 * noise(random) * std::exp(-t / 0.12);
    }
    h[300 + 170] += 0.4;
    h[300 + 611] -= 0.25;
    return h;
}

std::complex<double> DirectSum(std::span<const double> h, double nu) {
    double c = 0, s = 0;
    TrigSums(h, h, std::span<const double>(&nu, 1), {&c, 1}, {&s, 1});
    return {c, -s};
}

TEST(ImpulseAnalysis, LevelFromOneTransformMatchesTheDirectSums) {
    // Half a second at a low rate keeps the direct sums quick.
    const double fs = 16000;
    const std::vector<double> samples = RoomImpulse(8000, fs);
    const struct {
        std::optional<ImpulseGate> gate;
        std::optional<double> cycles;
    } cases[] = {
        {std::nullopt, std::nullopt},
        {ImpulseGate{-2.0, 150.0}, std::nullopt},
        {std::nullopt, 15.0},
        {ImpulseGate{-1.0, 80.0}, 6.0},
    };
    for (const auto& c : cases) {
        const ImpulseAnalysis a = AnalyseImpulse(samples, fs, c.gate, {}, c.cycles);
        // The analysed part as the gate leaves it.
        std::vector<double> h(samples.begin() + static_cast<std::ptrdiff_t>(a.first),
                              samples.begin() + static_cast<std::ptrdiff_t>(a.last) + 1);
        if (c.gate)
            for (std::size_t i = 0; i < h.size(); ++i) h[i] *= GateWeight(i, h.size());
        std::size_t pk = 0;
        for (std::size_t i = 0; i < h.size(); ++i)
            if (std::fabs(h[i]) > std::fabs(h[pk])) pk = i;
        const auto peak = static_cast<std::ptrdiff_t>(pk);
        const auto rise = std::min<std::ptrdiff_t>(peak, std::lround(kFdwRiseMs * fs / 1000));
        const auto room = static_cast<std::ptrdiff_t>(h.size()) - 1 - peak;
        const std::vector<double> freqs = ImpulseFrequencies(fs, h.size());
        ASSERT_EQ(a.level.size(), freqs.size());
        std::vector<double> nus, plainC(freqs.size()), plainS(freqs.size());
        for (double f : freqs) nus.push_back(f / fs);
        TrigSums(h, h, nus, plainC, plainS);
        double worstDb = 0;
        for (std::size_t k = 0; k < freqs.size(); ++k) {
            const double nu = freqs[k] / fs;
            const auto fall = std::max<std::ptrdiff_t>(
                1, std::min(room, std::lround(c.cycles.value_or(kDefaultFdwCycles) / nu)));
            // Only the window's own samples: its start changes no magnitude.
            std::vector<double> w;
            for (std::ptrdiff_t i = peak - rise; i <= std::min(peak + fall, peak + room); ++i)
                w.push_back(h[static_cast<std::size_t>(i)] * FdwWeight(i, peak, rise, fall));
            const std::complex<double> x =
                c.cycles ? DirectSum(w, nu) : std::complex<double>(plainC[k], -plainS[k]);
            worstDb = std::max(worstDb, std::fabs(a.level[k].y - 20 * std::log10(std::abs(x))));
        }
        EXPECT_LT(worstDb, 1e-3) << c.gate.has_value() << " " << c.cycles.value_or(0);
    }
}

}  // namespace
}  // namespace qv
