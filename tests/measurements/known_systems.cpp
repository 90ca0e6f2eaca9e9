#include "tests/measurements/known_systems.h"

#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace qv::test {

constexpr double kPi = std::numbers::pi;

double DelayedLowPass::LevelDb(double f) const {
    const double x = f / cornerHz;
    return -10.0 * std::log10(1.0 + x * x);
}

double DelayedLowPass::Phase(double f) const {
    return -2.0 * kPi * f * delayMs / 1000.0 - std::atan(f / cornerHz);
}

double DelayedLowPass::GroupDelayMs(double f) const {
    const double wc = 2.0 * kPi * cornerHz, w = 2.0 * kPi * f;
    const double seconds = delayMs / 1000.0 + (1.0 / wc) / (1.0 + (w / wc) * (w / wc));
    return -1000.0 * seconds;
}

std::vector<double> DelayedOnePole::Samples(std::size_t length) const {
    std::vector<double> h(length, 0.0);
    double v = gain;
    for (std::size_t n = static_cast<std::size_t>(delay); n < length; ++n, v *= r) h[n] = v;
    return h;
}

double DelayedOnePole::LevelDb(double f, double fs) const {
    const double w = 2.0 * kPi * f / fs;
    return 20.0 * std::log10(gain) - 10.0 * std::log10(1.0 - 2.0 * r * std::cos(w) + r * r);
}

double DelayedOnePole::GroupDelayMs(double f, double fs) const {
    const double w = 2.0 * kPi * f / fs;
    const double samples =
        delay + (r * std::cos(w) - r * r) / (1.0 - 2.0 * r * std::cos(w) + r * r);
    return -1000.0 * samples / fs;
}

std::vector<double> LogGrid(double f0, double f1, std::size_t n) {
    std::vector<double> f(n);
    for (std::size_t i = 0; i < n; ++i)
        f[i] = f0 * std::pow(f1 / f0, static_cast<double>(i) / static_cast<double>(n - 1));
    return f;
}

std::string WriteAudio(const TempDir& dir, const std::string& name, int format, double rate,
                       int channels, const std::vector<double>& interleaved) {
    const std::string path = dir.File(name);
    SF_INFO info{};
    info.samplerate = static_cast<int>(rate);
    info.channels = channels;
    info.format = format;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f)
        throw std::runtime_error(std::string("cannot write test audio: ") + sf_strerror(nullptr));
    const sf_count_t frames = static_cast<sf_count_t>(interleaved.size()) / channels;
    sf_writef_double(f, interleaved.data(), frames);
    sf_close(f);
    return path;
}

}  // namespace qv::test
