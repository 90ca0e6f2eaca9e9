#include "dsp_math/trig_sums.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <numbers>
#include <system_error>
#include <thread>
#include <vector>

namespace qv {
namespace {

// Samples per block: a block's sum is taken against a table of its kBlock
// rotations, then turned into place by one rotation of the whole block.
constexpr std::size_t kBlock = 32;
// Table entries between exact angles; the rest come from one-sample turns.
constexpr std::size_t kTableAnchor = 8;
// Blocks between exact block rotations; the rest come from one-block turns.
constexpr std::size_t kExactBlocks = 8;
// Below this many terms a second thread costs more than it saves.
constexpr std::size_t kThreadThreshold = 200000;
// The most frequencies any kernel takes side by side.
constexpr std::size_t kMaxLanes = 16;

#define QV_INLINE inline __attribute__((always_inline))
// The vectors never cross a call boundary that another unit could see (all
// helpers are inlined), so the calling convention of wide vectors is moot.
#pragma GCC diagnostic ignored "-Wpsabi"

// The compiler's generic vectors: plain IEEE operations lane by lane, so a
// lane gives the same bits whatever the vector width around it.
typedef double V2 __attribute__((vector_size(2 * sizeof(double))));
typedef double V4 __attribute__((vector_size(4 * sizeof(double))));

// Round to nearest (ties to even) with two additions, valid for |v| < 2^51;
// plain IEEE arithmetic, so it vectorises and gives the same bits everywhere.
template <typename T>
QV_INLINE T RoundNearest(const T& v) {
    constexpr double kMagic = 6755399441055744.0;  // 1.5 * 2^52
    return (v + kMagic) - kMagic;
}

template <typename T>
QV_INLINE T Frac(const T& v) {
    return v - RoundNearest(v);
}

// v = hi + lo exactly, each with at most 26 significant bits, so the product
// of two such parts is exact.
template <typename T>
QV_INLINE void Split(const T& v, T& hi, T& lo) {
    const T t = 134217729.0 * v;  // 2^27 + 1
    hi = t - (t - v);
    lo = v - hi;
}

// The fraction of a turn of n*f, n a whole number below 2^50 and |f| <= 0.5:
// the four partial products are exact and reduced exactly, so only the final
// additions round.
template <typename V>
QV_INLINE V TurnOf(double n, const V& f) {
    double nh, nl;
    Split(n, nh, nl);
    V fh, fl;
    Split(f, fh, fl);
    return Frac(((Frac(nh * fh) + Frac(nh * fl)) + Frac(nl * fh)) + nl * fl);
}

// |v| by clearing the sign bits.
template <typename V>
QV_INLINE V Abs(const V& v) {
    typedef long long I __attribute__((vector_size(sizeof(V))));
    return (V)((I)v & (I{} + 0x7fffffffffffffffLL));
}

// Cosine and sine of 2*pi*t for |t| <= 0.5 + a little: a quarter turn is
// split off exactly and the rest (at most an eighth of a turn) goes through
// the Taylor series, whose truncation lies far below the last bit there.
template <typename V>
QV_INLINE void CosSinOfTurn(const V& t, V& c, V& s) {
    const V k = RoundNearest(4.0 * t);
    const V x = 2.0 * std::numbers::pi * (t - 0.25 * k);
    const V x2 = x * x;
    V sp = V{} + 1.0 / 355687428096000;  // 1/17!
    sp = -1.0 / 1307674368000 + x2 * sp;
    sp = 1.0 / 6227020800 + x2 * sp;
    sp = -1.0 / 39916800 + x2 * sp;
    sp = 1.0 / 362880 + x2 * sp;
    sp = -1.0 / 5040 + x2 * sp;
    sp = 1.0 / 120 + x2 * sp;
    sp = -1.0 / 6 + x2 * sp;
    sp = x + x * (x2 * sp);
    V cp = V{} - 1.0 / 6402373705728000;  // -1/18!
    cp = 1.0 / 20922789888000 + x2 * cp;
    cp = -1.0 / 87178291200 + x2 * cp;
    cp = 1.0 / 479001600 + x2 * cp;
    cp = -1.0 / 3628800 + x2 * cp;
    cp = 1.0 / 40320 + x2 * cp;
    cp = -1.0 / 720 + x2 * cp;
    cp = 1.0 / 24 + x2 * cp;
    cp = -0.5 + x2 * cp;
    cp = 1.0 + x2 * cp;
    // Turned on by k quarter turns, k = -2 ... 2: cos and sin of k*pi/2 are
    // 1 - |k| and k*(2 - |k|), exact small whole numbers, so the products and
    // sums below are exact and no lane needs a branch.
    const V ak = Abs(k);
    const V ck = 1.0 - ak;
    const V sk = k * (2.0 - ak);
    c = cp * ck - sp * sk;
    s = sp * ck + cp * sk;
}

// kVecs vectors of frequencies side by side, as unit complex numbers or sums.
template <typename V, std::size_t kVecs>
struct Lanes {
    V re[kVecs], im[kVecs];
};

// One exact rotation per lane: 2*pi*n*f.
template <typename V, std::size_t kVecs>
QV_INLINE void Exact(double n, const V* f, Lanes<V, kVecs>& out) {
    for (std::size_t u = 0; u < kVecs; ++u) CosSinOfTurn(TurnOf(n, f[u]), out.re[u], out.im[u]);
}

template <typename V, std::size_t kVecs>
QV_INLINE void Rotate(Lanes<V, kVecs>& z, const Lanes<V, kVecs>& by) {
    for (std::size_t u = 0; u < kVecs; ++u) {
        const V r = z.re[u] * by.re[u] - z.im[u] * by.im[u];
        z.im[u] = z.re[u] * by.im[u] + z.im[u] * by.re[u];
        z.re[u] = r;
    }
}

// sa += a[r] * table[r] (and sb for b) over the first len samples of a block.
template <typename V, std::size_t kVecs, bool kSame>
QV_INLINE void BlockSums(const double* a, const double* b, std::size_t len,
                         const Lanes<V, kVecs>* table, Lanes<V, kVecs>& sa, Lanes<V, kVecs>& sb) {
    for (std::size_t r = 0; r < len; ++r) {
        const double an = a[r];
        for (std::size_t u = 0; u < kVecs; ++u) {
            sa.re[u] += an * table[r].re[u];
            sa.im[u] += an * table[r].im[u];
        }
        if constexpr (!kSame) {
            const double bn = b[r];
            for (std::size_t u = 0; u < kVecs; ++u) {
                sb.re[u] += bn * table[r].re[u];
                sb.im[u] += bn * table[r].im[u];
            }
        }
    }
}

// The sums of one batch of frequencies (each reduced to one turn). Lanes are
// independent and use plain IEEE operations in a fixed order, so every vector
// width and every batch a frequency lands in yields the same bits.
template <typename V, std::size_t kVecs, bool kSame>
QV_INLINE void SumBatch(const double* a, const double* b, std::size_t count, const double* freqs,
                        double* cosOut, double* sinOut) {
    using L = Lanes<V, kVecs>;
    V f[kVecs];
    std::memcpy(f, freqs, sizeof f);
    // The rotations of one block, by sample within the block.
    L table[kBlock];
    L one{}, step{}, turn{};
    Exact(1.0, f, one);
    for (std::size_t r = 0; r < kBlock; ++r) {
        if (r % kTableAnchor == 0) {
            Exact(static_cast<double>(r), f, table[r]);
        } else {
            table[r] = table[r - 1];
            Rotate(table[r], one);
        }
    }
    Exact(static_cast<double>(kBlock), f, step);
    L acc{};
    std::size_t block = 0;
    for (std::size_t n0 = 0; n0 < count; n0 += kBlock, ++block) {
        if (block % kExactBlocks == 0)
            Exact(static_cast<double>(n0), f, turn);
        else
            Rotate(turn, step);
        L sa{}, sb{};
        BlockSums<V, kVecs, kSame>(a + n0, b + n0, std::min(kBlock, count - n0), table, sa, sb);
        // The cosine sum is the real part of the block turned into place,
        // the sine sum the imaginary part.
        const L& sines = kSame ? sa : sb;
        for (std::size_t u = 0; u < kVecs; ++u) {
            acc.re[u] += turn.re[u] * sa.re[u] - turn.im[u] * sa.im[u];
            acc.im[u] += turn.re[u] * sines.im[u] + turn.im[u] * sines.re[u];
        }
    }
    std::memcpy(cosOut, acc.re, sizeof acc.re);
    std::memcpy(sinOut, acc.im, sizeof acc.im);
}

using BatchFn = void (*)(const double*, const double*, std::size_t, const double*, double*,
                         double*);
struct Kernel {
    BatchFn fn;
    std::size_t lanes;
};

// Every machine: vectors of two lanes. Where a and b are the same list one
// complex sum per lane suffices, so more lanes fit into the registers.
void SameBase(const double* a, const double* b, std::size_t n, const double* f, double* c,
              double* s) {
    SumBatch<V2, 4, true>(a, b, n, f, c, s);
}
void PairBase(const double* a, const double* b, std::size_t n, const double* f, double* c,
              double* s) {
    SumBatch<V2, 2, false>(a, b, n, f, c, s);
}

#if defined(__x86_64__) && defined(__GNUC__)
#define QV_TRIG_AVX2 1
__attribute__((target("avx2"))) void SameAvx2(const double* a, const double* b, std::size_t n,
                                              const double* f, double* c, double* s) {
    SumBatch<V4, 4, true>(a, b, n, f, c, s);
}
__attribute__((target("avx2"))) void PairAvx2(const double* a, const double* b, std::size_t n,
                                              const double* f, double* c, double* s) {
    SumBatch<V4, 2, false>(a, b, n, f, c, s);
}
#endif

struct Kernels {
    Kernel same, pair;
};

const Kernels& ChosenKernels() {
    static const Kernels chosen = [] {
#ifdef QV_TRIG_AVX2
        if (__builtin_cpu_supports("avx2")) return Kernels{{SameAvx2, 16}, {PairAvx2, 8}};
#endif
        return Kernels{{SameBase, 8}, {PairBase, 4}};
    }();
    return chosen;
}

void SumRange(std::span<const double> a, std::span<const double> b, std::span<const double> freqs,
              std::span<double> cosSums, std::span<double> sinSums, std::size_t first,
              std::size_t last) {
    const bool same = a.data() == b.data() && a.size() == b.size();
    const Kernel k = same ? ChosenKernels().same : ChosenKernels().pair;
    double f[kMaxLanes], c[kMaxLanes], s[kMaxLanes];
    for (std::size_t j0 = first; j0 < last; j0 += k.lanes) {
        const std::size_t used = std::min(k.lanes, last - j0);
        for (std::size_t j = 0; j < k.lanes; ++j) {
            // Unused lanes repeat the last frequency; their sums are dropped.
            // A whole number of turns per sample changes nothing, so only
            // the exactly taken fraction goes on.
            const double v = freqs[j0 + std::min(j, used - 1)];
            f[j] = v - std::nearbyint(v);
        }
        k.fn(a.data(), b.data(), a.size(), f, c, s);
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
              std::span<double> cosSums, std::span<double> sinSums, unsigned threads) {
    const std::size_t nf = freqs.size();
    if (nf == 0) return;
    if (a.empty()) {
        std::fill(cosSums.begin(), cosSums.begin() + static_cast<std::ptrdiff_t>(nf), 0.0);
        std::fill(sinSums.begin(), sinSums.begin() + static_cast<std::ptrdiff_t>(nf), 0.0);
        return;
    }
    // Split at whole lane batches; the split does not change any result,
    // only who computes it.
    const std::size_t batches = (nf + kMaxLanes - 1) / kMaxLanes;
    const std::size_t parts = std::clamp<std::size_t>(threads, 1, batches);
    std::vector<std::thread> workers;
    std::size_t first = 0;
    for (std::size_t t = 0; t < parts; ++t) {
        const std::size_t last = std::min(nf, (batches * (t + 1) / parts) * kMaxLanes);
        if (t + 1 == parts) {
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

void TrigSums(std::span<const double> a, std::span<const double> b, std::span<const double> freqs,
              std::span<double> cosSums, std::span<double> sinSums) {
    const bool small = freqs.size() * a.size() < kThreadThreshold;
    TrigSums(a, b, freqs, cosSums, sinSums, small ? 1u : TrigSumsThreads());
}

unsigned TrigSumsThreads() {
    static const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    return cores;
}

}  // namespace qv
