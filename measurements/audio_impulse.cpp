#include "measurements/audio_impulse.h"

#include "curves/tr.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>

#include "measurements/import_types.h"

namespace qv {
namespace {

class SoundFile {
  public:
    explicit SoundFile(const std::string& path) {
        std::memset(&info_, 0, sizeof info_);
        file_ = sf_open(path.c_str(), SFM_READ, &info_);
        if (!file_)
            throw ImportError(Fill(QV_TR("%1 is not a readable audio file (%2)."),
                                   {BaseName(path), sf_strerror(nullptr)}));
    }
    ~SoundFile() { sf_close(file_); }
    SoundFile(const SoundFile&) = delete;
    SoundFile& operator=(const SoundFile&) = delete;
    SNDFILE* get() const { return file_; }
    const SF_INFO& info() const { return info_; }

  private:
    SNDFILE* file_ = nullptr;
    SF_INFO info_;
};

std::string FormatName(int format) {
    SF_FORMAT_INFO major{}, sub{};
    major.format = format & SF_FORMAT_TYPEMASK;
    sub.format = format & SF_FORMAT_SUBMASK;
    std::string name =
        sf_command(nullptr, SFC_GET_FORMAT_INFO, &major, sizeof major) == 0 && major.name
            ? major.name
            : "audio";
    if (sf_command(nullptr, SFC_GET_FORMAT_INFO, &sub, sizeof sub) == 0 && sub.name)
        name += std::string(", ") + sub.name;
    return name;
}

AudioInfo InfoOf(const SoundFile& file, const std::string& path) {
    const SF_INFO& i = file.info();
    AudioInfo info;
    info.sampleRate = i.samplerate;
    info.channels = i.channels;
    info.frames = static_cast<long long>(i.frames);
    info.format = FormatName(i.format);
    if (i.channels <= 0 || i.samplerate <= 0)
        throw ImportError(Fill(QV_TR("%1 is not a readable audio file (no channels or rate)."),
                               {BaseName(path)}));
    if (i.frames <= 0)
        throw ImportError(Fill(QV_TR("%1 holds no audio frames."), {BaseName(path)}));
    if (i.frames > kMaxImpulseFrames)
        throw ImportError(
            Fill(QV_TR("%1 holds %2 frames; impulses of up to %3 frames are imported."),
                 {BaseName(path), std::to_string(i.frames), std::to_string(kMaxImpulseFrames)}));
    return info;
}

}  // namespace

bool LooksLikeAudio(std::string_view start) {
    static constexpr std::string_view kMagic[] = {"RIFF", "RIFX", "RF64", "BW64", "FORM",
                                                  "fLaC", "riff", "OggS", ".snd", "caff"};
    return std::any_of(std::begin(kMagic), std::end(kMagic),
                       [&](std::string_view m) { return start.starts_with(m); });
}

AudioInfo ProbeAudio(const std::string& path) {
    SoundFile file(path);
    return InfoOf(file, path);
}

std::vector<double> ReadAudioChannel(const std::string& path, int channel, AudioInfo& info,
                                     const ProgressFn& progress) {
    SoundFile file(path);
    info = InfoOf(file, path);
    if (channel < 0 || channel >= info.channels)
        throw ImportOptionError(Fill(QV_TR("Channel %1 is not there: %2 has %3."),
                                     {std::to_string(channel + 1), BaseName(path),
                                      FillCount(static_cast<std::size_t>(info.channels),
                                                QV_TR("%1 channel"), QV_TR("%1 channels"))}));
    const auto channels = static_cast<std::size_t>(info.channels);
    const std::size_t chunkFrames = std::max<std::size_t>(1, (1 << 16) / channels);
    std::vector<double> buffer(chunkFrames * channels);
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(info.frames));
    for (;;) {
        const sf_count_t got =
            sf_readf_double(file.get(), buffer.data(), static_cast<sf_count_t>(chunkFrames));
        if (got <= 0) break;
        for (sf_count_t f = 0; f < got; ++f)
            samples.push_back(
                buffer[static_cast<std::size_t>(f) * channels + static_cast<std::size_t>(channel)]);
        if (progress &&
            !progress(static_cast<double>(samples.size()) / static_cast<double>(info.frames)))
            throw ImportCancelled();
    }
    if (sf_error(file.get()) != SF_ERR_NO_ERROR && samples.empty())
        throw ImportError(
            Fill(QV_TR("%1 could not be read (%2)."), {BaseName(path), sf_strerror(file.get())}));
    if (samples.empty())
        throw ImportError(Fill(QV_TR("%1 holds no audio frames."), {BaseName(path)}));
    info.frames = static_cast<long long>(samples.size());
    return samples;
}

}  // namespace qv
