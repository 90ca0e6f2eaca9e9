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
    QV_TR("Measurements (*.frd *.txt *.csv *.dat *.zma)|*.frd *.txt *.csv *.dat *.zma|") QV_TR(
        "Impulse responses (*.wav *.flac *.aif *.aiff *.w64)|*.wav *.flac *.aif *.aiff "
        "*.w64|") "(*.*)|*.*";

using ImportProgress = std::function<bool(double fraction)>;

// The impulse fields of the import and average dialogs, as typed.
struct ImpulseFields {
    std::string rate;  // empty: the file's own (audio) or its header's
    bool gateOn = false;
    std::string gateFrom = "-1", gateTo = "5";
    bool fdwOn = false;
    std::string fdwCycles = "15";
};
// Whether two sets of fields give the same import: the gate's and the
// window's numbers count only while they are on.
bool ImportsAlike(const ImpulseFields& a, const ImpulseFields& b);
// Puts the fields into o (the rate only where rateAsked); false and the
// reason in problem when a field holds no usable number.
bool ApplyImpulseFields(const ImpulseFields& f, bool rateAsked, bool rateRequired, ImportOptions& o,
                        std::string& problem);
// A number as the user types it, with a decimal point or a decimal comma.
std::optional<double> FieldValue(const std::string& text);

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
    const ImpulseFields& fields() const { return fields_; }
    void SetFields(const ImpulseFields& f);
    const std::string& rateText() const { return fields_.rate; }
    bool gateOn() const { return fields_.gateOn; }
    const std::string& gateFromText() const { return fields_.gateFrom; }
    const std::string& gateToText() const { return fields_.gateTo; }
    // Each change marks the result stale until the next Refresh.
    void SetPair(int pair);
    void SetChannel(int channel);
    void SetRateText(const std::string& text);
    void SetGate(bool on, const std::string& fromMs, const std::string& toMs);
    bool fdwOn() const { return fields_.fdwOn; }
    const std::string& fdwText() const { return fields_.fdwCycles; }
    // The frequency-dependent window for the level of an impulse.
    void SetFdw(bool on, const std::string& cycles);
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
    ImpulseFields fields_;
    bool stale_ = true;
    std::optional<ImportedMeasurement> result_;
    std::string problem_;
};

// Puts an accepted import into the workspace: the level into slot 3 of
// "Frequency Response" and the group delay into slot 3 of "Group Delay", both
// named after the file; fits both diagrams' ranges. A file without a group
// delay empties that slot: another file's delay must not stay under it.
void ApplyImport(Workspace& ws, const ImportedMeasurement& m);
// Remembers where the accepted import came from and with which options, in
// place of the source of the curves it replaced.
void RecordMeasurementSource(Workspace& ws, const ImportDialogRules& rules);
// Adds a source (an import or an average) in place of those whose curves it
// replaced; replacedGroupDelay: it emptied slot 3 of "Group Delay" as well.
void KeepMeasurementSource(Workspace& ws, MeasurementSource s, bool replacedGroupDelay);

// The whole command; runDialog shows the dialog modally and says whether the
// user chose OK. Cancel, or a file that is no measurement, changes nothing.
void RunImportMeasurement(Editor& editor, const std::function<bool(ImportDialogRules&)>& runDialog);

}  // namespace qv
