#include "dsp_math/trig_sums.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "tests/dsp_math/direct_reference.h"

namespace qv {
namespace {

std::vector<double> Uniform(std::size_t n, double lo, double hi, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> u(lo, hi);
    std::vector<double> v(n);
    for (auto& x : v) x = u(gen);
    return v;
}

bool SameBits(const std::vector<double>& x, const std::vector<double>& y) {
    return x.size() == y.size() && std::memcmp(x.data(), y.data(), x.size() * sizeof(double)) == 0;
}

// Random frequencies plus the quarter-turn boundaries of the angle
// reduction, negative ones and ones beyond a whole turn per sample.
std::vector<double> TestFrequencies(std::size_t random, unsigned seed) {
    std::vector<double> f{0.0,   0.5,  -0.5,   0.25, -0.25, 0.125, 0.375, -0.375,
                          1e-12, 1e-5, 0.4999, 1.25, -3.1,  7.0,   0.2,   0.3};
    for (double v : Uniform(random, 0, 0.5, seed)) f.push_back(v);
    return f;
}

TEST(TrigSums, MatchesLongDoubleAtLargeArguments) {
    const auto a = Uniform(5000, -1, 1, 7), b = Uniform(5000, -1, 1, 8);
    const auto freqs = TestFrequencies(37, 9);
    std::vector<double> c(freqs.size()), s(freqs.size());
    for (const bool same : {false, true}) {
        const auto& sines = same ? a : b;
        TrigSums(a, sines, freqs, c, s);
        const auto ref = test::DirectSums(a, sines, freqs);
        for (std::size_t j = 0; j < freqs.size(); ++j) {
            EXPECT_NEAR(c[j], static_cast<double>(ref.a[j]), 1e-11) << same << " " << freqs[j];
            EXPECT_NEAR(s[j], static_cast<double>(ref.b[j]), 1e-11) << same << " " << freqs[j];
        }
    }
}

// A frequency's sums must not depend on where it sits in the list, how many
// frequencies there are, or which thread took it: the same bits every time.
TEST(TrigSums, ResultsDoNotDependOnThePartition) {
    const auto a = Uniform(1201, -1, 1, 3);
    const auto freqs = Uniform(1000, 0, 0.5, 4);
    std::vector<double> c(freqs.size()), s(freqs.size());
    TrigSums(a, a, freqs, c, s);
    for (std::size_t first : {0u, 1u, 17u, 500u, 999u}) {
        const std::vector<double> part(freqs.begin() + first, freqs.end());
        std::vector<double> pc(part.size()), ps(part.size());
        TrigSums(a, a, part, pc, ps);
        for (std::size_t j = 0; j < part.size(); ++j) {
            ASSERT_EQ(pc[j], c[first + j]) << first << " " << j;
            ASSERT_EQ(ps[j], s[first + j]) << first << " " << j;
        }
    }
}

TEST(TrigSums, SameBitsForAnyThreadCount) {
    const struct {
        std::size_t samples, freqs;
        bool same;
    } cases[] = {
        {1, 5, true},       {33, 17, false},     {257, 100, true},
        {1201, 1000, true}, {1800, 1800, false}, {5000, 3, false},
    };
    for (const auto& c : cases) {
        const auto a = Uniform(c.samples, -1, 1, 11);
        const auto b = c.same ? a : Uniform(c.samples, -1, 1, 12);
        const auto freqs = TestFrequencies(c.freqs, 13);
        const auto& sines = c.same ? a : b;
        std::vector<double> c1(freqs.size()), s1(freqs.size());
        TrigSums(a, sines, freqs, c1, s1, 1);
        for (const unsigned threads : {2u, 3u, 8u, 0u}) {
            std::vector<double> cn(freqs.size()), sn(freqs.size());
            TrigSums(a, sines, freqs, cn, sn, threads);
            EXPECT_TRUE(SameBits(c1, cn)) << c.samples << " x " << c.freqs << " on " << threads;
            EXPECT_TRUE(SameBits(s1, sn)) << c.samples << " x " << c.freqs << " on " << threads;
        }
        std::vector<double> cd(freqs.size()), sd(freqs.size());
        TrigSums(a, sines, freqs, cd, sd);
        EXPECT_TRUE(SameBits(c1, cd) && SameBits(s1, sd)) << c.samples << " x " << c.freqs;
    }
    EXPECT_GE(TrigSumsThreads(), 1u);
}

// Whole turns per sample change no bit; a list passed twice gives the same
// bits as a copy of it passed as the second list.
TEST(TrigSums, WholeTurnsAndSharedListsChangeNothing) {
    const auto a = Uniform(700, -1, 1, 21);
    const std::vector<double> copy = a;
    // Few-bit fractions, so that shifting them by whole turns is exact.
    const std::vector<double> f{0.0390625, 0.25, 0.375, 0.4140625};
    std::vector<double> shifted;
    for (double v : f) shifted.push_back(v - 2.0);
    std::vector<double> c(f.size()), s(f.size()), cs(f.size()), ss(f.size());
    std::vector<double> cc(f.size()), sc(f.size());
    TrigSums(a, a, f, c, s);
    TrigSums(a, a, shifted, cs, ss);
    TrigSums(a, copy, f, cc, sc);
    EXPECT_TRUE(SameBits(c, cs) && SameBits(s, ss));
    EXPECT_TRUE(SameBits(c, cc) && SameBits(s, sc));
}

}  // namespace
}  // namespace qv
