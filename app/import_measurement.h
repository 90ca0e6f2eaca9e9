#pragma once
// File -> "Import Measurement...": a measurement file chosen by the user, a
// dialog that shows the import report and offers the column pair, the
// channel, the rate of a text impulse and the gate, then the level in slot 3
// of "Frequency Response" and the group delay in slot 3 of "Group Delay".

#include <functional>
#include <optional>
#include <string>

#include "curves/tr.h"
#include "measurements/measurement_import.h"
#include "project/workspace.h"

namespace qv {

class Editor;

inline constexpr const char* kImportFilter =
    QV_TR("Measurements (*.frd *.txt *.csv *.dat *.zma)|*.frd *.txt *.csv *.dat *.zma|")
    QV_TR("Impulse responses (*.wav *.flac *.aif *.aiff *.w64)|*.wav *.flac *.aif *.aiff *.w64|")
    "(*.*)|*.*";

using ImportProgress = std::function<bool(double fraction)>;

// What the import dialog shows and allows, without Qt.
class ImportDialogRules {
  public:
    // Looks at the file; throws ImportError when it is not a measurement.
    explicit ImportDialogRules(std::string path, const ImportProgress& progress = {});

    const std::string& path() const { return path_; }
    std::string FileName() const;
    const MeasurementProbe& probe() const { return probe_; }

    // Which choices the file offers.
    bool OffersPairs() const { return probe_.kind == MeasurementKind::TextResponse; }
    bool OffersChannel() const { return probe_.kind == MeasurementKind::AudioImpulse; }
    bool OffersRate() const { return probe_.kind == MeasurementKind::TextImpulse; }
    bool OffersGate() const { return probe_.kind != MeasurementKind::TextResponse; }
    std::vector<std::string> PairChoices() const { return probe_.columnPairs; }
    std::vector<std::string> ChannelChoices() const;

    int pair() const { return pair_; }
    int channel() const { return channel_; }
    const std::string& rateText() const { return rateText_; }
    bool gateOn() const { return gateOn_; }
    const std::string& gateFromText() const { return gateFrom_; }
    const std::string& gateToText() const { return gateTo_; }
    // Each change marks the result stale until the next Refresh.
    void SetPair(int pair);
    void SetChannel(int channel);
    void SetRateText(const std::string& text);
    void SetGate(bool on, const std::string& fromMs, const std::string& toMs);
    bool stale() const { return stale_; }

    // Imports with the current choices and keeps the outcome: a result and
    // its report, or the reason there is none. ImportCancelled passes through.
    void Refresh(const ImportProgress& progress = {});
    bool CanAccept() const { return !stale_ && result_.has_value(); }
    std::string ReportText() const;
    const ImportedMeasurement& result() const { return *result_; }

  private:
    // The choices as import options; nullopt (and the reason in problem_)
    // when a field holds no usable number.
    std::optional<ImportOptions> Options();

    std::string path_;
    MeasurementProbe probe_;
    int pair_ = 0, channel_ = 0;
    std::string rateText_, gateFrom_ = "-1", gateTo_ = "5";
    bool gateOn_ = false;
    bool stale_ = true;
    std::optional<ImportedMeasurement> result_;
    std::string problem_;
};

// Puts an accepted import into the workspace: the level into slot 3 of
// "Frequency Response" and the group delay, where there is one, into slot 3
// of "Group Delay", both named after the file; fits both diagrams' ranges.
void ApplyImport(Workspace& ws, const ImportedMeasurement& m);
// Remembers where the accepted import came from and with which options, in
// place of the source of the curves it replaced.
void RecordMeasurementSource(Workspace& ws, const ImportDialogRules& rules);

// The whole command; runDialog shows the dialog modally and says whether the
// user chose OK. Cancel, or a file that is no measurement, changes nothing.
void RunImportMeasurement(Editor& editor, const std::function<bool(ImportDialogRules&)>& runDialog);

}  // namespace qv
