#pragma once
// The values that every subsystem of the editor shares. Created once by main
// (or by a batch command) and passed by reference.

#include <cstdint>

#include "curves/diagram_set.h"

namespace qv {

struct Workspace {
    DiagramSet diagrams = MakeDiagramSet();
    DiagramId CurrentDiagram = FrequencyResponseDiagram;
    std::int32_t ViewWidth = 0;
    std::int32_t ViewHeight = 0;
    std::uint8_t ComPortNumber = 1;
    // 0 until the configuration file says 44100; a synthesis run sets both
    // values for its own duration and restores them.
    double ProcessingSampleRate = 0.0;
    std::int32_t ProcessingLength = 1800;
    // Room size for the room synthesis, in cm (the "Room " spin edits).
    std::int32_t RoomDepth = 400;
    std::int32_t RoomWidth = 400;

    Diagram& operator[](DiagramId id) { return diagrams[id]; }
    const Diagram& operator[](DiagramId id) const { return diagrams[id]; }
    Diagram& Current() { return diagrams[CurrentDiagram]; }
    const Diagram& Current() const { return diagrams[CurrentDiagram]; }
};

// Start-up step 1: the eleven diagrams, "Frequency Response" current,
// ProcessingLength 1800.
void CreateDiagramSet(Workspace& ws);
// The desired curve of start-up: makes the diagram current, then fills it.
void CreateDesiredCurve(Workspace& ws, DiagramId id, double xStart);

}  // namespace qv
