#include "app/import_measurement.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "app/editor.h"
#include "curves/tr.h"
#include "diagram/ranges.h"
#include "measurements/line_stream.h"
#include "measurements/number_fields.h"
#include "project/project_file.h"
#include "project/sha256.h"

namespace qv {

std::optional<double> FieldValue(const std::string& text) {
    for (DecimalMark mark : {DecimalMark::Point, DecimalMark::Comma})
        if (auto v = ParseNumberField(text, mark, false); v && std::isfinite(*v)) return v;
    return std::nullopt;
}

bool ImportsAlike(const ImpulseFields& a, const ImpulseFields& b) {
    return a.rate == b.rate && a.gateOn == b.gateOn &&
           (!a.gateOn || (a.gateFrom == b.gateFrom && a.gateTo == b.gateTo)) &&
           a.fdwOn == b.fdwOn && (!a.fdwOn || a.fdwCycles == b.fdwCycles);
}

bool ApplyImpulseFields(const ImpulseFields& f, bool rateAsked, bool rateRequired, ImportOptions& o,
                        std::string& problem) {
    if (rateAsked && (rateRequired || !f.rate.empty())) {
        const auto rate = FieldValue(f.rate);
        if (!rate || !(*rate > 0.0)) {
            problem = f.rate.empty() ? QV_TR("Give the sample rate of this text impulse in Hz.")
                                     : QV_TR("The sample rate must be a positive number of Hz.");
            return false;
        }
        o.sampleRate = rate;
    }
    if (f.gateOn) {
        const auto from = FieldValue(f.gateFrom), to = FieldValue(f.gateTo);
        if (!from || !to || !(*from < *to)) {
            problem = QV_TR("The gate runs from an earlier to a later time in ms around the peak.");
            return false;
        }
        o.gate = ImpulseGate{*from, *to};
    }
    if (f.fdwOn) {
        const auto cycles = FieldValue(f.fdwCycles);
        if (!cycles || !(*cycles >= 1.0 && *cycles <= 1000.0)) {
            problem = QV_TR("The frequency-dependent window takes 1 to 1000 cycles.");
            return false;
        }
        o.fdwCycles = cycles;
    }
    return true;
}

ImportDialogRules::ImportDialogRules(std::string path, const ImportProgress& progress)
    : path_(std::move(path)), probe_(ProbeMeasurement(path_, progress)) {
    // A text impulse whose header states its rate shows it, ready to change.
    if (probe_.headerSampleRate > 0.0) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.10g", probe_.headerSampleRate);
        fields_.rate = buffer;
    }
}

std::string ImportDialogRules::FileName() const {
    return BaseName(path_);
}

std::vector<std::string> ImportDialogRules::ChannelChoices() const {
    std::vector<std::string> choices;
    for (int c = 1; c <= probe_.channels; ++c)
        choices.push_back(QV_TR("Channel ") + std::to_string(c));
    return choices;
}

void ImportDialogRules::SetPair(int pair) {
    stale_ = stale_ || pair != pair_;
    pair_ = pair;
}

void ImportDialogRules::SetChannel(int channel) {
    stale_ = stale_ || channel != channel_;
    channel_ = channel;
}

void ImportDialogRules::SetFields(const ImpulseFields& f) {
    stale_ = stale_ || !ImportsAlike(f, fields_);
    fields_ = f;
}

void ImportDialogRules::SetRateText(const std::string& text) {
    ImpulseFields f = fields_;
    f.rate = text;
    SetFields(f);
}

void ImportDialogRules::SetGate(bool on, const std::string& fromMs, const std::string& toMs) {
    ImpulseFields f = fields_;
    f.gateOn = on;
    f.gateFrom = fromMs;
    f.gateTo = toMs;
    SetFields(f);
}

void ImportDialogRules::SetFdw(bool on, const std::string& cycles) {
    ImpulseFields f = fields_;
    f.fdwOn = on;
    f.fdwCycles = cycles;
    SetFields(f);
}

std::optional<ImportOptions> ImportDialogRules::Options() {
    ImportOptions o;
    o.columnPair = pair_;
    o.channel = channel_;
    ImpulseFields f = fields_;
    if (!OffersGate()) f.gateOn = f.fdwOn = false;
    if (!ApplyImpulseFields(f, OffersRate(), probe_.needsSampleRate, o, problem_))
        return std::nullopt;
    return o;
}

void ImportDialogRules::Refresh(const ImportProgress& progress) {
    result_.reset();
    problem_.clear();
    stale_ = false;
    auto options = Options();
    if (!options) return;
    options->progress = progress;
    try {
        result_ = ImportMeasurement(path_, *options);
    } catch (const ImportCancelled&) {
        stale_ = true;
        problem_ = QV_TR("Import cancelled.");
        throw;
    } catch (const ImportError& e) {
        problem_ = e.what();
    }
}

std::string ImportDialogRules::ReportText() const {
    if (result_) return result_->report.Text();
    std::string text = FileName() + ": " + probe_.format + ".";
    if (!problem_.empty()) text += "\n" + problem_;
    return text;
}

void ApplyImport(Workspace& ws, const ImportedMeasurement& m) {
    const std::string& name = m.report.fileName;
    if (!m.level.empty()) {
        SetCurve(ws, FrequencyResponseDiagram, CurveRole::Measured, name, m.level);
        AutoRange(ws[FrequencyResponseDiagram]);
    }
    if (!m.groupDelay.empty()) {
        SetCurve(ws, GroupDelayDiagram, CurveRole::Measured, name, m.groupDelay);
        AutoRange(ws[GroupDelayDiagram]);
    } else if (!m.level.empty()) {
        ClearCurve(ws, GroupDelayDiagram, CurveRole::Measured);
    }
}

void RecordMeasurementSource(Workspace& ws, const ImportDialogRules& rules) {
    const ImportedMeasurement& m = rules.result();
    MeasurementSource s;
    s.path = std::filesystem::absolute(rules.path()).lexically_normal().string();
    s.sha256 = FileSha256(rules.path()).value_or("");
    s.kind = rules.OffersPairs()     ? "text response"
             : rules.OffersChannel() ? "audio impulse"
                                     : "text impulse";
    s.columnPair = rules.pair();
    s.channel = rules.channel();
    if (rules.OffersRate()) s.sampleRate = FieldValue(rules.rateText());
    if (rules.OffersGate() && rules.gateOn()) {
        s.gateFrom = FieldValue(rules.gateFromText());
        s.gateTo = FieldValue(rules.gateToText());
    }
    if (rules.OffersGate() && rules.fdwOn()) s.fdwCycles = FieldValue(rules.fdwText());
    if (!m.level.empty())
        s.curves.push_back(CurveRef(FrequencyResponseDiagram, SlotOf(CurveRole::Measured)));
    if (!m.groupDelay.empty())
        s.curves.push_back(CurveRef(GroupDelayDiagram, SlotOf(CurveRole::Measured)));
    KeepMeasurementSource(ws, std::move(s), !m.level.empty());
}

void KeepMeasurementSource(Workspace& ws, MeasurementSource s, bool replacedGroupDelay) {
    // A level without a group delay empties that slot too (ApplyImport).
    std::vector<std::string> replaced = s.curves;
    if (replacedGroupDelay)
        replaced.push_back(CurveRef(GroupDelayDiagram, SlotOf(CurveRole::Measured)));
    // A source whose curves are all replaced is no longer part of the work.
    std::erase_if(ws.Measurements, [&](MeasurementSource& old) {
        std::erase_if(old.curves, [&](const std::string& c) {
            return std::find(replaced.begin(), replaced.end(), c) != replaced.end();
        });
        return old.curves.empty();
    });
    ws.Measurements.push_back(std::move(s));
}

void RunImportMeasurement(Editor& editor,
                          const std::function<bool(ImportDialogRules&)>& runDialog) {
    UserInterface& ui = editor.ui();
    const auto path = ui.ChooseOpenFile(kImportFilter);
    if (!path) return;
    std::optional<ImportDialogRules> rules;
    {
        // Telling a file's layout reads at most a few thousand rows, or a
        // long file without any.
        ProgressScope progress(ui, QV_TR("Import Measurement"));
        rules.emplace(*path, [&](double f) {
            progress(f, QV_TR("looking at ") + BaseName(*path));
            return true;
        });
    }
    if (!runDialog(*rules) || !rules->CanAccept()) return;
    ApplyImport(editor.workspace(), rules->result());
    RecordMeasurementSource(editor.workspace(), *rules);
    editor.ShowDiagram(FrequencyResponseDiagram, RoomBox::Hidden, true);
}

}  // namespace qv
