#include "export/convolver_notes.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "curves/tr.h"

namespace qv {
namespace {

std::string RateText(double rate) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", rate);
    return text;
}

const char* FormatTitle(ExportFormat format) {
    switch (format) {
        case ExportFormat::Wav:
            return QV_TR("WAV, 32-bit float, mono");
        case ExportFormat::Float32:
            return QV_TR("raw 32-bit float, little-endian, no header");
        case ExportFormat::Float64:
            return QV_TR("raw 64-bit float, little-endian, no header");
        case ExportFormat::Text:
            return QV_TR("text, one value a line");
    }
    return "";
}

void CamillaDsp(std::ostringstream& out, const std::string& name, ExportFormat format,
                const std::string& file) {
    out << QV_TR("CamillaDSP (a filters: entry):") << "\n"
        << "filters:\n"
        << "  " << name << ":\n"
        << "    type: Conv\n"
        << "    parameters:\n";
    if (format == ExportFormat::Wav) {
        out << "      type: Wav\n"
            << "      filename: " << file << "\n"
            << "      channel: 0\n\n";
        return;
    }
    const char* raw = format == ExportFormat::Float32   ? "FLOAT32LE"
                      : format == ExportFormat::Float64 ? "FLOAT64LE"
                                                        : "TEXT";
    out << "      type: Raw\n"
        << "      filename: " << file << "\n"
        << "      format: " << raw << "\n\n";
}

void EqualizerApo(std::ostringstream& out, ExportFormat format, const std::string& file) {
    out << QV_TR("Equalizer APO (config.txt; the WAV's rate must equal the device's rate):")
        << "\n";
    if (format == ExportFormat::Wav)
        out << "Convolution: " << file << "\n\n";
    else
        out << QV_TR("reads WAV files only: export again with the format wav.") << "\n\n";
}

void BruteFir(std::ostringstream& out, const std::string& name, ExportFormat format,
              const std::string& file, std::size_t taps) {
    out << Fill(
               QV_TR("BruteFIR (a coeff block; filter_length times its blocks must hold %1 taps):"),
               {std::to_string(taps)})
        << "\n";
    if (format == ExportFormat::Wav) {
        out << QV_TR("reads raw or text files only: export again with the format f32, f64 or text.")
            << "\n";
        return;
    }
    const char* raw = format == ExportFormat::Float32   ? "FLOAT_LE"
                      : format == ExportFormat::Float64 ? "FLOAT64_LE"
                                                        : "text";
    out << "coeff \"" << name << "\" {\n"
        << "    filename: \"" << file << "\";\n"
        << "    format: \"" << raw << "\";\n"
        << "    attenuation: 0.0;\n"
        << "    blocks: -1;\n"
        << "};\n";
}

}  // namespace

std::string ExportFileName(const std::string& name, double rate, ExportFormat format) {
    return name + "_" + RateText(rate) + "." + FormatExtension(format);
}

std::string ConvolverNotes(const std::string& name, ExportFormat format, ExportPhase phase,
                           const std::vector<ExportedFile>& files) {
    std::ostringstream out;
    out << Fill(phase == ExportPhase::Linear
                    ? QV_TR("Filter \"%1\": %2, linear phase, unit gain (not normalised).")
                    : QV_TR("Filter \"%1\": %2, minimum phase, unit gain (not normalised)."),
                {name, FormatTitle(format)})
        << "\n"
        << QV_TR("One file per sample rate; a convolver must use the file of its own rate.")
        << "\n\n";
    for (const ExportedFile& f : files)
        out << f.fileName << ": " << DescribeFilter(f.filter) << "\n";
    out << "\n"
        << QV_TR(
               "The latency is the delay every frequency gets besides the delay target; delay "
               "other channels by as much to keep them aligned.")
        << "\n\n";
    if (files.empty()) return out.str();
    const ExportedFile& first = files.front();
    // CamillaDSP puts the running rate in for $samplerate$: one entry for all rates.
    const std::string camillaFile =
        files.size() > 1 ? name + "_$samplerate$." + FormatExtension(format) : first.fileName;
    CamillaDsp(out, name, format, camillaFile);
    EqualizerApo(out, format, first.fileName);
    BruteFir(out, name, format, first.fileName, first.filter.taps.size());
    return out.str();
}

}  // namespace qv
