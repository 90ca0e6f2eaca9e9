// Importing measurements: a 1 s impulse at 48 kHz read from a WAV file and
// analysed, and a long response file of 16 384 rows read, cleaned up and
// reduced. The shared real file is used when it is there, else an equivalent
// generated one. Both should take well under 50 ms on a 2-core machine.

#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "measurements/measurement_average.h"
#include "measurements/measurement_import.h"

namespace qv {
namespace {

std::string TempFile(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("qv_bench_" + name)).string();
}

// A room-like impulse: a decaying one-pole response plus decaying noise.
const std::string& ImpulseWav() {
    static const std::string path = [] {
        const std::string p = TempFile("impulse_48k.wav");
        std::vector<double> h(48000, 0.0);
        unsigned seed = 1;
        for (std::size_t n = 100; n < h.size(); ++n) {
            seed = seed * 1103515245u + 12345u;
            const double noise = static_cast<double>((seed >> 8) & 0xffff) / 65536.0 - 0.5;
            const double t = static_cast<double>(n - 100) / 48000.0;
            h[n] = 0.5 * std::pow(0.6, static_cast<double>(n - 100)) +
                   0.05 * noise * std::exp(-t / 0.1);
        }
        SF_INFO info{};
        info.samplerate = 48000;
        info.channels = 1;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_24;
        SNDFILE* f = sf_open(p.c_str(), SFM_WRITE, &info);
        sf_writef_double(f, h.data(), static_cast<sf_count_t>(h.size()));
        sf_close(f);
        return p;
    }();
    return path;
}

const std::string& LongResponse() {
    static const std::string path = [] {
        const std::string real =
            std::string(QV_MEASUREMENTS_DIR) + "/rsantct_room_R_multipoint_avg_crlf.frd";
        if (std::filesystem::exists(real)) return real;
        const std::string p = TempFile("long_response.frd");
        std::ofstream out(p, std::ios::binary);
        out << "DFT Frequency Response\r\nNumpoints = 16384\r\nSamplingRate = 44100 Hz\r\n"
               "Frequency(Hz)   Magnitude(dB)\r\n";
        char line[64];
        for (int i = 0; i < 16384; ++i) {
            const double f = i * 1.345825;
            std::snprintf(line, sizeof line, "%.3f\t %.4f\r\n", f,
                          80.0 + 10.0 * std::sin(f / 300.0));
            out << line;
        }
        return p;
    }();
    return path;
}

void BM_ImportImpulse1s48k(benchmark::State& state) {
    const std::string& path = ImpulseWav();
    for (auto _ : state) {
        const auto m = ImportMeasurement(path);
        benchmark::DoNotOptimize(m.level.data());
    }
}
BENCHMARK(BM_ImportImpulse1s48k)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_ImportResponse16384Rows(benchmark::State& state) {
    const std::string& path = LongResponse();
    state.SetLabel(path.find("shared") != std::string::npos ? "real file" : "generated");
    for (auto _ : state) {
        const auto m = ImportMeasurement(path);
        benchmark::DoNotOptimize(m.level.data());
    }
}
BENCHMARK(BM_ImportResponse16384Rows)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// Eight seats: the room impulse at eight delays (1 s at 48 kHz each),
// averaged as vectors (aligned, one analysis) and as power or dB (eight
// levels, each from one transform; with a window of 15 cycles, eight
// windowed analyses). The target for each plain average is 100 ms.
const std::vector<AverageInput>& EightSeats() {
    static const std::vector<AverageInput> inputs = [] {
        std::vector<AverageInput> out;
        SF_INFO in{};
        SNDFILE* f = sf_open(ImpulseWav().c_str(), SFM_READ, &in);
        std::vector<double> h(static_cast<std::size_t>(in.frames));
        sf_readf_double(f, h.data(), in.frames);
        sf_close(f);
        for (int seat = 0; seat < 8; ++seat) {
            const std::string p = TempFile("seat" + std::to_string(seat) + ".wav");
            std::vector<double> moved(h.size(), 0.0);
            for (std::size_t n = 0; n + 7 * seat < h.size(); ++n) moved[n + 7 * seat] = h[n];
            SF_INFO info{};
            info.samplerate = 48000;
            info.channels = 1;
            info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_24;
            SNDFILE* o = sf_open(p.c_str(), SFM_WRITE, &info);
            sf_writef_double(o, moved.data(), static_cast<sf_count_t>(moved.size()));
            sf_close(o);
            out.push_back({p, {}});
        }
        return out;
    }();
    return inputs;
}

void BM_AverageEightImpulses(benchmark::State& state) {
    const auto method = static_cast<AverageMethod>(state.range(0));
    std::vector<AverageInput> inputs = EightSeats();
    if (state.range(1) > 0)
        for (auto& in : inputs) in.options.fdwCycles = static_cast<double>(state.range(1));
    state.SetLabel(std::string(AverageMethodName(method)) +
                   (state.range(1) > 0 ? ", fdw " + std::to_string(state.range(1)) : ""));
    for (auto _ : state) {
        const auto m = AverageMeasurements(inputs, method);
        benchmark::DoNotOptimize(m.level.data());
    }
}
BENCHMARK(BM_AverageEightImpulses)
    ->Args({static_cast<int>(AverageMethod::Vector), 0})
    ->Args({static_cast<int>(AverageMethod::Power), 0})
    ->Args({static_cast<int>(AverageMethod::Db), 0})
    ->Args({static_cast<int>(AverageMethod::Power), 15})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
}  // namespace qv
