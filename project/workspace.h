#pragma once
// The values that every subsystem of the editor shares. Created once by main
// (or by a batch command) and passed by reference.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "correction/correction_target.h"
#include "curves/diagram_set.h"

namespace qv {

// Where an imported measurement came from and how it was read, so that the
// same import can be made again.
struct MeasurementSource {
    std::string path;    // absolute, as imported
    std::string sha256;  // of the file's bytes at import; empty if unreadable
    std::string kind;    // "text response", "audio impulse", "text impulse"
    int columnPair = 0;  // import options
    int channel = 0;
    std::optional<double> sampleRate;        // Hz, of a text impulse
    std::optional<double> gateFrom, gateTo;  // ms around the peak
    // The curves it filled, as "DIAGRAM:SLOT".
    std::vector<std::string> curves;
    // Cycles of the frequency-dependent window for an impulse's level; none:
    // the level of the whole (gated) impulse.
    std::optional<double> fdwCycles;
    // An average: its method ("power", "dB" or "vector") and the files it
    // was made of, each with its own path, checksum, kind and options (and no
    // curves); path, sha256 and kind above stay empty. Empty for one file.
    std::string averageMethod;
    std::vector<MeasurementSource> inputs;
    bool operator==(const MeasurementSource&) const = default;
};

// Length and rate a computed filter is (or will be) made with.
struct FilterDesign {
    std::int32_t taps = 0;
    double sampleRate = 0.0;
    bool operator==(const FilterDesign&) const = default;
};

// What the slots of a diagram hold, named by role: the curve the engineer
// draws or loads (in the impulse diagrams the impulse, in "Impuls Response"
// and "Filter Room" the computed filter), the level or delay the filter
// achieves, a measurement, and the measurement with the filter applied.
// Beside an impulse, "Zielfunktion" loads a target function ("dest") where a
// level diagram holds its measurement.
enum class CurveRole { Desired, Impulse, Real, Measured, Predicted, TargetFunction };

struct Workspace {
    DiagramSet diagrams = MakeDiagramSet();
    DiagramId CurrentDiagram = FrequencyResponseDiagram;
    std::int32_t ViewWidth = 0;
    std::int32_t ViewHeight = 0;
    std::uint8_t ComPortNumber = 1;
    std::int32_t ProcessingLength = 1800;
    // Room size for the room synthesis, in cm (the "Room " spin edits).
    std::int32_t RoomDepth = 400;
    std::int32_t RoomWidth = 400;

    // What a project file adds to the curves: the work's name and notes, when
    // it was first saved (ISO 8601, empty until then), the correction target
    // of "Correction Target…", the imported measurements, the set chooser's
    // choice and the designs of the two filters.
    std::string Title;
    std::string Notes;
    std::string Created;
    TargetSettings Correction;
    std::vector<MeasurementSource> Measurements;
    std::uint8_t ChosenSet = 0;
    std::uint8_t ChosenRate = 0;
    FilterDesign EqDesign, RoomDesign;

    Diagram& operator[](DiagramId id) { return diagrams[id]; }
    const Diagram& operator[](DiagramId id) const { return diagrams[id]; }
    Diagram& Current() { return diagrams[CurrentDiagram]; }
    const Diagram& Current() const { return diagrams[CurrentDiagram]; }
    CurveSlot& Curve(DiagramId id, CurveRole role);
    const CurveSlot& Curve(DiagramId id, CurveRole role) const;
    // The curve of that role in the current diagram.
    CurveSlot& Current(CurveRole role) { return Curve(CurrentDiagram, role); }
    const CurveSlot& Current(CurveRole role) const { return Curve(CurrentDiagram, role); }
};

// The slot that holds a role.
int SlotOf(CurveRole role);
// The curve of a role takes the list and the name (its marked flag cleared);
// or is emptied.
void SetCurve(Workspace& ws, DiagramId id, CurveRole role, std::string_view name, PointList list);
void ClearCurve(Workspace& ws, DiagramId id, CurveRole role);
// A loaded file: every curve of the diagram goes, the list becomes the curve
// of that role.
void ReplaceCurves(Workspace& ws, DiagramId id, CurveRole role, std::string_view name,
                   PointList list);

// Start-up step 1: the eleven diagrams, "Frequency Response" current,
// ProcessingLength 1800.
void CreateDiagramSet(Workspace& ws);
// The desired curve of start-up: makes the diagram current, then fills it.
void CreateDesiredCurve(Workspace& ws, DiagramId id, double xStart);

}  // namespace qv
