#pragma once
// Impulse responses in audio files (WAV, AIFF, FLAC, W64, ...) read through
// libsndfile: one channel of any channel count, at the file's own rate.

#include <string>
#include <string_view>
#include <vector>

#include "measurements/text_table.h"

namespace qv {

struct AudioInfo {
    double sampleRate = 0.0;
    int channels = 0;
    long long frames = 0;
    std::string format;  // "WAV, 16-bit PCM"
};

// Whether a file's first bytes are those of an audio file format.
bool LooksLikeAudio(std::string_view start);

// Throw ImportError when libsndfile cannot read the file, or it holds no
// frames or too many.
AudioInfo ProbeAudio(const std::string& path);
// The samples of one channel (from 0), scaled to full scale 1.
std::vector<double> ReadAudioChannel(const std::string& path, int channel, AudioInfo& info,
                                     const ProgressFn& progress);

}  // namespace qv
