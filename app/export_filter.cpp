#include "app/export_filter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "curves/number_syntax.h"
#include "curves/tr.h"

namespace qv {
namespace {

const ExportFormat kFormats[] = {ExportFormat::Wav, ExportFormat::Float32, ExportFormat::Float64,
                                 ExportFormat::Text};

std::vector<std::string> Words(std::string text) {
    for (char& c : text)
        if (c == ',' || c == ';') c = ' ';
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::optional<double> Number(const std::string& word) {
    return ToNumber(word);
}

std::string PathOf(const std::string& folder, const std::string& file) {
    return (std::filesystem::path(folder) / file).string();
}

}  // namespace

std::vector<std::string> ExportDialogRules::FormatChoices() {
    return {QV_TR("WAV, 32-bit float"), QV_TR("raw 32-bit float (f32)"),
            QV_TR("raw 64-bit float (f64)"), QV_TR("text, one value a line")};
}

std::vector<std::string> ExportDialogRules::TapChoices() {
    return {"4096", "8192", "16384", "32768", "65536"};
}

std::optional<std::vector<double>> ExportDialogRules::Rates() const {
    std::vector<double> rates;
    for (const std::string& w : Words(ratesText)) {
        const std::optional<double> r = Number(w);
        if (!r || *r < kMinExportRate || *r > kMaxExportRate) return std::nullopt;
        if (std::find(rates.begin(), rates.end(), *r) == rates.end()) rates.push_back(*r);
    }
    if (rates.empty()) return std::nullopt;
    return rates;
}

std::optional<std::int32_t> ExportDialogRules::Taps() const {
    const std::optional<double> t = Number(tapsText);
    if (!t || *t != std::floor(*t) || *t < kMinExportTaps || *t > kMaxExportTaps)
        return std::nullopt;
    return static_cast<std::int32_t>(*t);
}

std::string ExportDialogRules::Problem() const {
    if (!Rates()) return QV_TR("Rates: numbers from 8000 to 768000 Hz");
    if (!Taps()) return QV_TR("Length: a whole number from 16 to 65536 taps");
    if (name.empty() || name.find('/') != std::string::npos) return QV_TR("Name: a file name");
    if (!std::filesystem::is_directory(folder)) return QV_TR("Folder: no such folder");
    return {};
}

std::vector<std::string> ExportDialogRules::Files() const {
    std::vector<std::string> files;
    if (const auto rates = Rates())
        for (const double r : *rates)
            files.push_back(PathOf(folder, ExportFileName(name, r, format)));
    files.push_back(NotesFile());
    return files;
}

std::string ExportDialogRules::NotesFile() const {
    return PathOf(folder, name + "_usage.txt");
}

ExportOutcome RunExportFilter(const Workspace& ws, const ExportDialogRules& rules,
                              UserInterface& ui) {
    ExportOutcome out;
    if (const std::string problem = rules.Problem(); !problem.empty())
        throw std::invalid_argument(problem);
    ExportTargets targets;
    targets.level = ws.Curve(FrequencyResponseDiagram, CurveRole::Desired).points;
    if (targets.level.empty()) {
        ui.Message(QV_TR("noch keine Kurve fuer Amplitudenequalizing geladen."));
        return out;
    }
    targets.delay = ws.Curve(GroupDelayDiagram, CurveRole::Desired).points;
    if (rules.applyCorrection)
        targets.correction = ws.Curve(FrequencyResponseHighDiagram, CurveRole::Desired).points;

    const std::vector<double> rates = *rules.Rates();
    const std::int32_t taps = *rules.Taps();
    std::vector<ExportedFile> made;
    {
        ProgressScope progress(ui, QV_TR("Export Filter"));
        for (std::size_t i = 0; i < rates.size(); ++i) {
            const std::string file = ExportFileName(rules.name, rates[i], rules.format);
            const auto filter =
                SynthesizeExportFilter(targets, taps, rates[i], rules.phase, [&](double fraction) {
                    progress(
                        (static_cast<double>(i) + fraction) / static_cast<double>(rates.size()),
                        file);
                    return !ui.ProgressCancelled();
                });
            if (!filter) return out;
            made.push_back({file, *filter});
        }
    }
    // Written only once every rate is done: a cancelled export leaves nothing.
    for (const ExportedFile& f : made) {
        out.files.push_back(PathOf(rules.folder, f.fileName));
        WriteFilterFile(out.files.back(), f.filter.taps, f.filter.rate, rules.format);
    }
    out.notes = ui.Translated(ConvolverNotes(rules.name, rules.format, rules.phase, made));
    std::ofstream notes(rules.NotesFile(), std::ios::binary);
    notes << out.notes;
    if (!notes.flush())
        throw std::runtime_error(Fill(QV_TR("cannot write %1"), {rules.NotesFile()}));
    out.files.push_back(rules.NotesFile());
    out.written = true;
    const ExportedFilter& first = made.front().filter;
    char peak[32];
    std::snprintf(peak, sizeof peak, "%.4f", first.peak);
    ui.StatusLine(Fill(QV_TR("Filter exported: %1 file(s), %2 taps, latency %3 samples, peak %4"),
                       {std::to_string(made.size()), std::to_string(taps),
                        std::to_string(first.latencySamples), peak}));
    return out;
}

}  // namespace qv
