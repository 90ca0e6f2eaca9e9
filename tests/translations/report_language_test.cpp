// Every line of the import and average reports is a marked sentence that the
// shipped German table finds again with its values in place.

#include <gtest/gtest.h>

#include <algorithm>

#include "export/convolver_notes.h"
#include "measurements/measurement_average.h"
#include "translations/language.h"

namespace qv {
namespace {

// Every line but the ones that hold a file name alone reads differently in German.
void ExpectEveryLineTranslated(const std::vector<std::string>& lines,
                               const std::vector<std::string>& fileNamesAlone = {}) {
    const Language de("de");
    for (const std::string& line : lines) {
        const bool alone =
            std::find(fileNamesAlone.begin(), fileNamesAlone.end(), line) != fileNamesAlone.end();
        EXPECT_NE(de.CoreText(line) == line, !alone) << line << " -> " << de.CoreText(line);
    }
}

TEST(ReportLanguage, EveryImportReportLineIsAKnownSentence) {
    ImportReport text;
    text.fileName = "woofer, left.frd";
    text.format = "TAB separated, decimal comma, 3 columns";
    text.lines = 1;
    text.rows = 1;
    text.skippedLines = 2;
    text.droppedNonPositive = 1;
    text.droppedNotFinite = 3;
    text.sorted = text.phaseAllZero = true;
    text.mergedRepeated = 2;
    text.reducedFrom = 9000;
    text.reducedTo = 400;
    text.reducedPointsPerOctave = 48;
    text.notes = {"Column pair 2 of 3: pair 2 (columns 1, 4, 5)."};
    text.levelPoints = 400;
    text.fromHz = 20;
    text.toHz = 20000;
    text.groupDelayPoints = 400;
    text.groupDelaySource = "phase column (radians)";
    ExpectEveryLineTranslated(text.Lines());

    ImportReport audio;
    audio.fileName = "room: seat 2.wav";
    audio.kind = MeasurementKind::AudioImpulse;
    audio.sampleRate = 48000;
    audio.frames = 1;
    audio.channels = 2;
    audio.gate = ImpulseGate{-1, 5};
    audio.fdwCycles = 15;
    audio.levelThroughFdw = true;
    audio.dataOffsetDb = 6;
    audio.looksLikeRecording = true;
    audio.groupDelayPoints = 10;
    audio.groupDelaySource = "impulse";
    ExpectEveryLineTranslated(audio.Lines());
}

TEST(ReportLanguage, EveryAverageReportLineIsAKnownSentence) {
    AverageReport r;
    r.method = AverageMethod::Vector;
    r.inputs = {"a.wav", "b.wav", "c.wav"};
    r.shiftsMs = {0, 0.25};  // c.wav came without a shift: its line is the file alone
    r.notes = {"The first measurement's gate and window apply to the average."};
    r.levelPoints = 300;
    r.fromHz = 20;
    r.toHz = 22050;
    ExpectEveryLineTranslated(r.Lines(), {"3. c.wav"});
}

TEST(ReportLanguage, ExportNotesTranslateTheirWordsAndKeepEveryConvolverEntry) {
    ExportedFilter f;
    f.taps.assign(4096, 0.0);
    f.rate = 48000;
    const Language de("de");
    for (ExportFormat format : {ExportFormat::Wav, ExportFormat::Float64}) {
        const std::string notes = ConvolverNotes("room: left", format, ExportPhase::Linear,
                                                 {{ExportFileName("room", 48000, format), f}});
        const std::string shown = de.CoreText(notes);
        std::size_t at = 0, from = 0;
        while (at < notes.size()) {
            const std::size_t end = notes.find('\n', at);
            const std::size_t shownEnd = shown.find('\n', from);
            ASSERT_NE(shownEnd, std::string::npos) << "a line lost";
            const std::string line = notes.substr(at, end - at);
            const std::string german = shown.substr(from, shownEnd - from);
            // What a convolver reads stays as it is; every sentence for the person changes.
            const bool entry = line.empty() || line[0] == ' ' || line == "filters:" ||
                               line.starts_with("coeff") || line == "};" ||
                               line.starts_with("Convolution: ");
            EXPECT_EQ(german == line, entry) << line << " -> " << german;
            at = end + 1;
            from = shownEnd + 1;
        }
    }
}

}  // namespace
}  // namespace qv
