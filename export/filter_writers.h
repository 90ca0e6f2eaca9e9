#pragma once
// The file formats software convolvers read: one-channel WAV of 32-bit
// floats (its rate is the filter's), raw little-endian 32- or 64-bit floats
// without a header, and text with one value a line.

#include <optional>
#include <string>
#include <vector>

namespace qv {

enum class ExportFormat { Wav, Float32, Float64, Text };

// "wav", "f32", "f64", "text" and back; nullopt for anything else.
const char* FormatName(ExportFormat format);
std::optional<ExportFormat> ParseFormat(const std::string& name);
// The file name extension: "wav", "f32", "f64", "txt".
const char* FormatExtension(ExportFormat format);

// Writes the taps; throws std::runtime_error with the file name and the
// system's reason when it cannot.
void WriteFilterFile(const std::string& path, const std::vector<double>& taps, double rate,
                     ExportFormat format);

}  // namespace qv
