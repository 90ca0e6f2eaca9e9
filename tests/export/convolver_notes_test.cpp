// File names per rate and the usage text beside the files.

#include <gtest/gtest.h>

#include "export/convolver_notes.h"

namespace qv {
namespace {

TEST(ConvolverNotes, NamesAndTheEntryOfEachConvolver) {
    EXPECT_EQ(ExportFileName("room", 48000, ExportFormat::Wav), "room_48000.wav");
    EXPECT_EQ(ExportFileName("room", 44100, ExportFormat::Text), "room_44100.txt");
    EXPECT_EQ(ExportFileName("room", 22050.5, ExportFormat::Float32), "room_22050.5.f32");

    ExportedFilter f;
    f.taps.assign(4096, 0.0);
    f.rate = 48000;
    f.latencySamples = 2048;
    const struct {
        ExportFormat format;
        std::vector<std::string> present, absent;
    } cases[] = {
        {ExportFormat::Wav,
         {"type: Conv", "type: Wav", "Convolution: room_48000.wav", "latency 2048 samples"},
         {"coeff \"room\""}},
        {ExportFormat::Float64,
         {"type: Raw", "format: FLOAT64LE", "format: \"FLOAT64_LE\"", "coeff \"room\""},
         {"Convolution:"}},
        {ExportFormat::Text, {"format: TEXT", "format: \"text\""}, {"Convolution:"}},
    };
    for (const auto& c : cases) {
        const std::string name = ExportFileName("room", 48000, c.format);
        const std::string notes =
            ConvolverNotes("room", c.format, ExportPhase::Linear, {{name, f}});
        for (const auto& s : c.present) EXPECT_NE(notes.find(s), std::string::npos) << s;
        for (const auto& s : c.absent) EXPECT_EQ(notes.find(s), std::string::npos) << s;
    }
    // Several rates: CamillaDSP picks the file by its running rate.
    const std::string notes = ConvolverNotes("room", ExportFormat::Wav, ExportPhase::Minimum,
                                             {{"room_44100.wav", f}, {"room_48000.wav", f}});
    EXPECT_NE(notes.find("filename: room_$samplerate$.wav"), std::string::npos);
}

}  // namespace
}  // namespace qv
