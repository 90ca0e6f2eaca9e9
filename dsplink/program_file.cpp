#include "dsplink/program_file.h"

#include <optional>
#include <vector>

#include "curves/curve_files.h"
#include "curves/text_file.h"
#include "curves/tr.h"
#include "dsplink/dsp_telegrams.h"

namespace qv {
namespace {

std::optional<int> HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return std::nullopt;
}

std::string LineFault(const std::string& name, std::size_t line, const std::string& what) {
    return Fill(QV_TR("Fehler in %1, Zeile %2: %3"), {name, std::to_string(line), what});
}

}  // namespace

bool LoadProgramFile(DspSession& s, UserInterface& ui, const std::string& name) {
    if (!CheckFileReadable(name, ui)) return false;
    LineReader in(name);
    std::vector<std::uint8_t> bytes;
    std::string line;
    while (in.ReadLine(line, 16)) {
        const std::size_t number = bytes.size() + 1;
        if (bytes.size() == kProgramArea) {
            ui.Message(LineFault(
                name, number,
                Fill(QV_TR("mehr als %1 Programmbytes"), {std::to_string(kProgramArea)})));
            return false;
        }
        const auto high = line.size() >= 4 ? HexDigit(line[2]) : std::nullopt;
        const auto low = line.size() >= 4 ? HexDigit(line[3]) : std::nullopt;
        if (!high || !low) {
            ui.Message(
                LineFault(name, number, Fill(QV_TR("\"%1\" ist kein Programmbyte"), {line})));
            return false;
        }
        bytes.push_back(static_cast<std::uint8_t>(*high * 16 + *low));
    }
    s.LoadProgram(bytes);
    return true;
}

namespace {
constexpr const char* kNotWritten = QV_TR("DSP Programm NICHT erfolgreich geschrieben");
}

bool WriteProgram(DspSession& s, UserInterface& ui, const std::string& name,
                  const std::string& headline, WriteOptions options) {
    if (!LoadProgramFile(s, ui, name)) return false;
    BusyScope busy(ui);
    ProgressScope progress(ui, QV_TR("Write Software"));
    return WriteImageSequence(s, ui,
                              ProgressSpan{&ui, 0.0, 1.0, Fill(QV_TR("DSP Programm %1"), {name})},
                              headline, options);
}

bool WriteSoftware(DspSession& s, UserInterface& ui, const std::string& name,
                   WriteOptions options) {
    // A failed transfer says it in one message that leads with the closing text.
    if (!LoadProgramFile(s, ui, name)) {
        ui.Message(kNotWritten);
        return false;
    }
    if (!WriteProgram(s, ui, name, kNotWritten, options)) return false;
    ui.Message(QV_TR("DSP Programm erfolgreich geschrieben"));
    return true;
}

}  // namespace qv
