#pragma once
// File -> "Average Measurements...": several measurement files (seats,
// microphone positions), a method and the import options, the average's
// report, then the result in slot 3 like an import.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/import_measurement.h"
#include "measurements/measurement_average.h"

namespace qv {

class Editor;

// What the average dialog shows and allows, without Qt.
class AverageDialogRules {
  public:
    const std::vector<std::string>& files() const { return files_; }
    // Adds files not yet in the list; removes one by its place.
    void AddFiles(const std::vector<std::string>& paths);
    void RemoveFile(std::size_t index);
    AverageMethod method() const { return method_; }
    void SetMethod(AverageMethod m);
    const std::string& channelText() const { return channel_; }
    void SetChannelText(const std::string& text);
    const ImpulseFields& fields() const { return fields_; }
    void SetFields(const ImpulseFields& f);
    bool stale() const { return stale_; }

    // Averages with the current choices and keeps the outcome: a result and
    // its report, or the reason there is none. ImportCancelled passes through.
    void Refresh(const ImportProgress& progress = {});
    bool CanAccept() const { return !stale_ && result_.has_value(); }
    std::string ReportText() const;
    const AveragedMeasurement& result() const { return *result_; }
    // The name the result takes in the diagrams.
    std::string ResultName() const;
    // The options every file was read with for the result.
    const ImportOptions& options() const { return options_; }

  private:
    std::vector<std::string> files_;
    AverageMethod method_ = AverageMethod::Power;
    std::string channel_ = "1";
    ImpulseFields fields_;
    bool stale_ = true;
    std::optional<AveragedMeasurement> result_;
    ImportOptions options_;
    std::string problem_;
};

// The level as the measured curve of "Frequency Response", the group delay
// of a vector average as that of "Group Delay" (emptied otherwise).
void ApplyAverage(Workspace& ws, const AveragedMeasurement& m, const std::string& name);
// Remembers the accepted average as its method and its files (each with its
// checksum, kind and options) in place of the sources of the curves it replaced.
void RecordAverageSource(Workspace& ws, const AverageDialogRules& rules);

// The whole command; runDialog shows the dialog modally and says whether the
// user chose OK. Cancel changes nothing.
void RunAverageMeasurements(Editor& editor,
                            const std::function<bool(AverageDialogRules&)>& runDialog);

}  // namespace qv
