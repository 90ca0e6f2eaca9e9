#include "export/filter_writers.h"

#include "curves/tr.h"

#include <sndfile.h>

#include <bit>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace qv {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::runtime_error WriteError(const std::string& path, const char* reason) {
    return std::runtime_error(Fill(QV_TR("cannot write %1: %2"), {path, reason}));
}

template <typename Word, typename Float>
void AppendLittleEndian(std::string& bytes, Float value) {
    Word w = std::bit_cast<Word>(value);
    for (std::size_t b = 0; b < sizeof(Word); ++b) {
        bytes.push_back(static_cast<char>(w & 0xFF));
        w >>= 8;
    }
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "wb"));
    if (!f) throw WriteError(path, std::strerror(errno));
    if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size() ||
        std::fclose(f.release()) != 0)
        throw WriteError(path, std::strerror(errno));
}

void WriteWav(const std::string& path, const std::vector<double>& taps, double rate) {
    SF_INFO info{};
    info.samplerate = static_cast<int>(std::lround(rate));
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (f == nullptr) throw WriteError(path, sf_strerror(nullptr));
    // The plain format every convolver reads, without the optional PEAK chunk.
    sf_command(f, SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
    const auto count = static_cast<sf_count_t>(taps.size());
    const bool written = sf_write_double(f, taps.data(), count) == count;
    const std::string reason = sf_strerror(f);
    if (sf_close(f) != 0 || !written) throw WriteError(path, reason.c_str());
}

}  // namespace

const char* FormatName(ExportFormat format) {
    switch (format) {
        case ExportFormat::Wav:
            return "wav";
        case ExportFormat::Float32:
            return "f32";
        case ExportFormat::Float64:
            return "f64";
        case ExportFormat::Text:
            return "text";
    }
    return "wav";
}

std::optional<ExportFormat> ParseFormat(const std::string& name) {
    for (ExportFormat f :
         {ExportFormat::Wav, ExportFormat::Float32, ExportFormat::Float64, ExportFormat::Text})
        if (name == FormatName(f)) return f;
    return std::nullopt;
}

const char* FormatExtension(ExportFormat format) {
    return format == ExportFormat::Text ? "txt" : FormatName(format);
}

void WriteFilterFile(const std::string& path, const std::vector<double>& taps, double rate,
                     ExportFormat format) {
    std::string bytes;
    switch (format) {
        case ExportFormat::Wav:
            WriteWav(path, taps, rate);
            return;
        case ExportFormat::Float32:
            bytes.reserve(taps.size() * 4);
            for (const double v : taps)
                AppendLittleEndian<std::uint32_t>(bytes, static_cast<float>(v));
            break;
        case ExportFormat::Float64:
            bytes.reserve(taps.size() * 8);
            for (const double v : taps) AppendLittleEndian<std::uint64_t>(bytes, v);
            break;
        case ExportFormat::Text:
            // The shortest text that reads back to the same double.
            for (const double v : taps) {
                char buf[32];
                const auto r = std::to_chars(buf, buf + sizeof buf, v);
                bytes.append(buf, r.ptr);
                bytes.push_back('\n');
            }
            break;
    }
    WriteBytes(path, bytes);
}

}  // namespace qv
