#pragma once
// Direct Fourier analysis of sampled impulse responses at arbitrary
// frequencies, and the inverse transform that turns a spectrum into an
// impulse. No routine changes its input lists; results belong to the caller.
//
// Sign convention: X(nu) = sum h[n] e^(-j 2 pi n nu); a pure delay of D
// samples reads a group delay of -1000*D/fs ms.

#include <vector>

#include "curves/point_list.h"
#include "dsp_math/spectrum.h"

namespace qv {

// The decimal logarithm of the analysis grids is ln(v)/kLn10Grid and the power
// of ten e^(kLn10Grid*u); the frequency grids depend on this exact constant.
constexpr double kLn10Grid = 2.30258;
// Samples taken into the magnitude and the group delay analysis.
constexpr int kMagnitudeSamples = 2001;
constexpr int kGroupDelaySamples = 1201;

// |X(nu)| over all samples of the list, nu in cycles per sample.
double DftMagnitude(const PointList& impulse, double nu);
// The phase angle of X(nu) in [-pi, pi].
double DftPhase(const PointList& impulse, double nu);
// The phase rule of DftPhase from the cosine sum A and the sine sum B.
double PhaseFromSums(double a, double b);

// Linear magnitude from fLow to fHigh (Hz), 100 points per decade, for the
// first 2001 samples at sample frequency fs. Empty when fLow > fHigh or when
// an argument is not a positive finite number.
PointList ImpulseToFrequencyResponse(const PointList& impulse, double fs, double fLow,
                                     double fHigh);
// Group delay in ms from 1 Hz to fs/2 for the first 1201 samples; one point
// every tenth step of a sweep with 3*L steps per decade.
PointList ImpulseToGroupDelay(const PointList& impulse, double fs);

// trunc(K*lengthFactor) samples of the impulse of a spectrum of K bins:
// sample n is entry n.
std::vector<double> SpectrumToSamples(const Spectrum& spectrum, double lengthFactor);

}  // namespace qv
