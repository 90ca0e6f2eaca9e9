#pragma once
// Systems whose response is known in closed form, written out the ways
// measurement programs write them: text exports and audio impulses.

#include <string>
#include <vector>

#include "measurements/measurement_import.h"
#include "tests/support/test_support.h"

namespace qv::test {

// A pure delay followed by a first-order low-pass: level in dB, phase in
// radians (unwrapped) and group delay in the workspace's convention (ms, a
// delay reads negative).
struct DelayedLowPass {
    double delayMs = 1.5;
    double cornerHz = 1000.0;
    double LevelDb(double f) const;
    double Phase(double f) const;
    double GroupDelayMs(double f) const;
};

// h[n] = gain * r^(n - D) from n = D on: a one-pole filter after a delay of
// D samples.
struct DelayedOnePole {
    double r = 0.5;
    int delay = 10;
    double gain = 0.5;  // peak sample, below full scale
    std::vector<double> Samples(std::size_t length) const;
    double LevelDb(double f, double fs) const;
    double GroupDelayMs(double f, double fs) const;
};

// Import options with one field set.
inline ImportOptions Pair(int pair) {
    ImportOptions o;
    o.columnPair = pair;
    return o;
}
inline ImportOptions Channel(int channel) {
    ImportOptions o;
    o.channel = channel;
    return o;
}
inline ImportOptions Rate(double rate) {
    ImportOptions o;
    o.sampleRate = rate;
    return o;
}
inline ImportOptions Gate(double fromMs, double toMs) {
    ImportOptions o;
    o.gate = ImpulseGate{fromMs, toMs};
    return o;
}

// n frequencies from f0 to f1, evenly spaced in log frequency.
std::vector<double> LogGrid(double f0, double f1, std::size_t n);

// Writes samples (channels interleaved) through libsndfile; format is an
// SF_FORMAT_* combination. Returns the file's path.
std::string WriteAudio(const TempDir& dir, const std::string& name, int format, double rate,
                       int channels, const std::vector<double>& interleaved);

}  // namespace qv::test
