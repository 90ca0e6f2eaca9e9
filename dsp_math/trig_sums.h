#pragma once
// The one hot loop of the signal processing: many direct Fourier sums of one
// coefficient list at many arbitrary frequencies. Both the analysis sweeps and
// the inverse transform of the synthesis go through here.

#include <span>

namespace qv {

// For every j:
//   cosSums[j] = sum over n of a[n] * cos(2*pi*n*freqs[j])
//   sinSums[j] = sum over n of b[n] * sin(2*pi*n*freqs[j])
// freqs are in cycles per sample. a and b must have the same length (they may
// be the same list); cosSums and sinSums as many entries as freqs.
//
// Each frequency's sums are taken in blocks of samples against a table of
// rotations, all from exactly reduced angles, so each sum stays within a few
// 1e-16 (relative to sum |a|, |b|) of the exact value. Every frequency is
// computed by the same arithmetic whatever its position in the batch, so the
// results do not depend on how the work is split over threads. Passing the
// same list as a and b halves the work.
//
// Large jobs use TrigSumsThreads() threads, small ones only the caller's.
void TrigSums(std::span<const double> a, std::span<const double> b, std::span<const double> freqs,
              std::span<double> cosSums, std::span<double> sinSums);
// The same sums with the work spread over at most `threads` threads (the
// caller's included); the results are the same bits for every count.
void TrigSums(std::span<const double> a, std::span<const double> b, std::span<const double> freqs,
              std::span<double> cosSums, std::span<double> sinSums, unsigned threads);
// Every core the machine offers (at least 1).
unsigned TrigSumsThreads();

// Cosine and sine of 2*pi*n*f with the product reduced exactly to one turn.
void ExactTurn(double n, double f, double& c, double& s);

}  // namespace qv
