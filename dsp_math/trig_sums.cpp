#include "dsp_math/trig_sums.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <system_error>
#include <thread>
#include <vector>

namespace qv {
namespace {

// Frequencies handled side by side; the lane loop is what the compiler turns
// into vector instructions.
constexpr std::size_t kLanes = 16;
// Samples per rotation run; the start of each run comes from a coarse
// rotation by kRun samples, and every kExactRuns runs from an exact angle.
constexpr std::size_t kRun = 32;
constexpr std::size_t kExactRuns = 8;
// Below this many terms a second thread costs more than it saves.
constexpr std::size_t kThreadThreshold = 200000;
constexpr unsigned kMaxThreads = 2;

struct Batch {
    double wr[kLanes], wi[kLanes];  // rotation by one sample
    double Wr[kLanes], Wi[kLanes];  // rotation by one run
    double f[kLanes];
};

#if defined(__x86_64__) && !defined(__clang__)
#define QV_TRIG_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define QV_TRIG_CLONES
#endif

// Lanes are independent and use plain IEEE operations in a fixed order, so
// every vector width yields the same bits.
QV_TRIG_CLONES void SumBatch(const double* a, const double* b, std::size_t count,
                             const Batch& batch, double* cosOut, double* sinOut) {
    double ar[kLanes], ai[kLanes], zr[kLanes], zi[kLanes];
    double accC[kLanes], accS[kLanes];
    for (std::size_t j = 0; j < kLanes; ++j) {
        ar[j] = 1.0;
        ai[j] = 0.0;
        accC[j] = 0.0;
        accS[j] = 0.0;
    }
    std::size_t run = 0;
    for (std::size_t n0 = 0; n0 < count; n0 += kRun, ++run) {
        const std::size_t n1 = std::min(count, n0 + kRun);
        for (std::size_t j = 0; j < kLanes; ++j) {
            zr[j] = ar[j];
            zi[j] = ai[j];
        }
        for (std::size_t n = n0; n < n1; ++n) {
            const double an = a[n];
            const double bn = b[n];
            for (std::size_t j = 0; j < kLanes; ++j) {
                accC[j] += an * zr[j];
                accS[j] += bn * zi[j];
                const double r = zr[j] * batch.wr[j] - zi[j] * batch.wi[j];
                zi[j] = zr[j] * batch.wi[j] + zi[j] * batch.wr[j];
                zr[j] = r;
            }
        }
        if (n1 == count) break;
        if ((run + 1) % kExactRuns == 0) {
            for (std::size_t j = 0; j < kLanes; ++j)
                ExactTurn(static_cast<double>(n1), batch.f[j], ar[j], ai[j]);
        } else {
            for (std::size_t j = 0; j < kLanes; ++j) {
                const double r = ar[j] * batch.Wr[j] - ai[j] * batch.Wi[j];
                ai[j] = ar[j] * batch.Wi[j] + ai[j] * batch.Wr[j];
                ar[j] = r;
            }
        }
    }
    for (std::size_t j = 0; j < kLanes; ++j) {
        cosOut[j] = accC[j];
        sinOut[j] = accS[j];
    }
}

void SumRange(std::span<const double> a, std::span<const double> b, std::span<const double> freqs,
              std::span<double> cosSums, std::span<double> sinSums, std::size_t first,
              std::size_t last) {
    Batch batch;
    double c[kLanes], s[kLanes];
    for (std::size_t j0 = first; j0 < last; j0 += kLanes) {
        const std::size_t used = std::min(kLanes, last - j0);
        for (std::size_t j = 0; j < kLanes; ++j) {
            // Unused lanes repeat the last frequency; their sums are dropped.
            const double f = freqs[j0 + std::min(j, used - 1)];
            batch.f[j] = f;
            ExactTurn(1.0, f, batch.wr[j], batch.wi[j]);
            ExactTurn(static_cast<double>(kRun), f, batch.Wr[j], batch.Wi[j]);
        }
        SumBatch(a.data(), b.data(), a.size(), batch, c, s);
        for (std::size_t j = 0; j < used; ++j) {
            cosSums[j0 + j] = c[j];
            sinSums[j0 + j] = s[j];
        }
    }
}

}  // namespace

void ExactTurn(double n, double f, double& c, double& s) {
    // n*f split into its rounded product and the exact rounding error, so the
    // fraction of a turn keeps all its bits even for large n*f.
    const double p = n * f;
    const double e = std::fma(n, f, -p);
    const double turn = (p - std::nearbyint(p)) + e;
    const double angle = 2.0 * std::numbers::pi * turn;
    c = std::cos(angle);
    s = std::sin(angle);
}

void TrigSums(std::span<const double> a, std::span<const double> b, std::span<const double> freqs,
              std::span<double> cosSums, std::span<double> sinSums) {
    const std::size_t nf = freqs.size();
    if (nf == 0) return;
    if (a.empty()) {
        std::fill(cosSums.begin(), cosSums.begin() + static_cast<std::ptrdiff_t>(nf), 0.0);
        std::fill(sinSums.begin(), sinSums.begin() + static_cast<std::ptrdiff_t>(nf), 0.0);
        return;
    }
    const unsigned hw = std::max(1u, std::thread::hardware_concurrency());
    const unsigned threads =
        (nf * a.size() < kThreadThreshold || nf < 2 * kLanes) ? 1u : std::min(hw, kMaxThreads);
    if (threads == 1) {
        SumRange(a, b, freqs, cosSums, sinSums, 0, nf);
        return;
    }
    // Split at a whole number of lane batches; the split point does not
    // change any result, only who computes it.
    const std::size_t batches = (nf + kLanes - 1) / kLanes;
    std::vector<std::thread> workers;
    std::size_t first = 0;
    for (unsigned t = 0; t < threads; ++t) {
        const std::size_t last = std::min(nf, (batches * (t + 1) / threads) * kLanes);
        if (t + 1 == threads) {
            SumRange(a, b, freqs, cosSums, sinSums, first, last);
        } else {
            try {
                workers.emplace_back(SumRange, a, b, freqs, cosSums, sinSums, first, last);
            } catch (const std::system_error&) {
                // No thread to be had: this part is computed here instead.
                SumRange(a, b, freqs, cosSums, sinSums, first, last);
            }
        }
        first = last;
    }
    for (auto& w : workers) w.join();
}

}  // namespace qv
