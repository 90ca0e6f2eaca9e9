#pragma once
// The eleven diagrams of the workspace, created once at start.

#include <array>
#include <optional>
#include <string_view>

#include "curves/diagram.h"

namespace qv {

enum DiagramId : int {
    GroupDelayDiagram,
    FrequencyResponseDiagram,
    ImpulseResponseDiagram,
    FrequencyResponseHighDiagram,
    FrequencyResponseLowDiagram,
    FrequencyRoomDiagram,
    DelayRoomDiagram,
    ImpulsRoomDiagram,
    FilterRoomDiagram,
    ImpulsHighDiagram,
    ImpulsLowDiagram,
};
constexpr int kDiagramCount = 11;

// The diagrams whose filter is the amplitude/delay equalizer's.
constexpr bool IsEqDiagram(DiagramId id) {
    return id == FrequencyResponseDiagram || id == GroupDelayDiagram ||
           id == ImpulseResponseDiagram;
}

struct DiagramSet {
    std::array<Diagram, kDiagramCount> diagrams;

    Diagram& operator[](DiagramId id) { return diagrams.at(static_cast<std::size_t>(id)); }
    const Diagram& operator[](DiagramId id) const {
        return diagrams.at(static_cast<std::size_t>(id));
    }
    std::optional<DiagramId> FindByTitle(std::string_view title) const;
};

// The set with every initial value; areaRight/areaBottom take the view size.
DiagramSet MakeDiagramSet(int viewWidth = 0, int viewHeight = 0);
// Empties the four slots and puts the flat desired line (xStart, 0) ... (20000, 0)
// into slot 1, marked and named "desired".
void FillDesiredCurve(Diagram& d, double xStart);

}  // namespace qv
