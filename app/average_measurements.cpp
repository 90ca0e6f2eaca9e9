#include "app/average_measurements.h"

#include <algorithm>
#include <filesystem>

#include "app/editor.h"
#include "diagram/ranges.h"
#include "project/project_file.h"
#include "project/sha256.h"

namespace qv {

void AverageDialogRules::AddFiles(const std::vector<std::string>& paths) {
    for (const auto& p : paths)
        if (std::find(files_.begin(), files_.end(), p) == files_.end()) {
            files_.push_back(p);
            stale_ = true;
        }
}

void AverageDialogRules::RemoveFile(std::size_t index) {
    if (index >= files_.size()) return;
    files_.erase(files_.begin() + static_cast<std::ptrdiff_t>(index));
    stale_ = true;
}

void AverageDialogRules::SetMethod(AverageMethod m) {
    stale_ = stale_ || m != method_;
    method_ = m;
}

void AverageDialogRules::SetChannelText(const std::string& text) {
    stale_ = stale_ || text != channel_;
    channel_ = text;
}

void AverageDialogRules::SetFields(const ImpulseFields& f) {
    stale_ = stale_ || !ImportsAlike(f, fields_);
    fields_ = f;
}

void AverageDialogRules::Refresh(const ImportProgress& progress) {
    result_.reset();
    problem_.clear();
    stale_ = false;
    ImportOptions o;
    const auto channel = FieldValue(channel_);
    if (!channel || *channel < 1 || *channel != static_cast<int>(*channel)) {
        problem_ = QV_TR("The channel is a whole number from 1.");
        return;
    }
    o.channel = static_cast<int>(*channel) - 1;
    // The rate applies to text impulses only; an empty field leaves it to the files.
    if (!ApplyImpulseFields(fields_, true, false, o, problem_)) return;
    std::vector<AverageInput> inputs;
    for (const auto& f : files_) inputs.push_back({f, o});
    options_ = o;
    try {
        result_ = AverageMeasurements(inputs, method_, progress);
    } catch (const ImportCancelled&) {
        stale_ = true;
        problem_ = QV_TR("Averaging cancelled.");
        throw;
    } catch (const ImportError& e) {
        problem_ = e.what();
    }
}

std::string AverageDialogRules::ReportText() const {
    if (result_) return result_->report.Text();
    if (files_.empty()) return QV_TR("Add 2 to 16 measurement files.");
    return problem_;
}

std::string AverageDialogRules::ResultName() const {
    return "average of " + std::to_string(files_.size()) + " (" + AverageMethodName(method_) + ")";
}

void ApplyAverage(Workspace& ws, const AveragedMeasurement& m, const std::string& name) {
    SetCurve(ws, FrequencyResponseDiagram, CurveRole::Measured, name, m.level);
    AutoRange(ws[FrequencyResponseDiagram]);
    if (m.groupDelay.empty()) {
        ClearCurve(ws, GroupDelayDiagram, CurveRole::Measured);
    } else {
        SetCurve(ws, GroupDelayDiagram, CurveRole::Measured, name, m.groupDelay);
        AutoRange(ws[GroupDelayDiagram]);
    }
}

namespace {

// The kind as a project file names it.
const char* SourceKind(MeasurementKind kind) {
    switch (kind) {
        case MeasurementKind::TextImpulse:
            return "text impulse";
        case MeasurementKind::AudioImpulse:
            return "audio impulse";
        case MeasurementKind::TextResponse:
            break;
    }
    return "text response";
}

}  // namespace

void RecordAverageSource(Workspace& ws, const AverageDialogRules& rules) {
    const AveragedMeasurement& m = rules.result();
    const ImportOptions& o = rules.options();
    MeasurementSource s;
    s.averageMethod = AverageMethodName(rules.method());
    for (std::size_t i = 0; i < rules.files().size(); ++i) {
        const std::string& path = rules.files()[i];
        MeasurementSource in;
        in.path = std::filesystem::absolute(path).lexically_normal().string();
        in.sha256 = FileSha256(path).value_or("");
        const MeasurementKind kind =
            i < m.report.kinds.size() ? m.report.kinds[i] : MeasurementKind::TextResponse;
        in.kind = SourceKind(kind);
        in.columnPair = o.columnPair;
        in.channel = o.channel;
        // Only what applied to the file is kept, as an import keeps it.
        if (kind == MeasurementKind::TextImpulse) in.sampleRate = o.sampleRate;
        if (kind != MeasurementKind::TextResponse) {
            if (o.gate) {
                in.gateFrom = o.gate->fromMs;
                in.gateTo = o.gate->toMs;
            }
            in.fdwCycles = o.fdwCycles;
        }
        s.inputs.push_back(std::move(in));
    }
    s.curves.push_back(CurveRef(FrequencyResponseDiagram, SlotOf(CurveRole::Measured)));
    if (!m.groupDelay.empty())
        s.curves.push_back(CurveRef(GroupDelayDiagram, SlotOf(CurveRole::Measured)));
    KeepMeasurementSource(ws, std::move(s), true);
}

void RunAverageMeasurements(Editor& editor,
                            const std::function<bool(AverageDialogRules&)>& runDialog) {
    AverageDialogRules rules;
    if (!runDialog(rules) || !rules.CanAccept()) return;
    ApplyAverage(editor.workspace(), rules.result(), rules.ResultName());
    RecordAverageSource(editor.workspace(), rules);
    editor.ShowDiagram(FrequencyResponseDiagram, RoomBox::Hidden, true);
}

}  // namespace qv
