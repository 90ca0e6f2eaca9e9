#include "curves/diagram_set.h"

#include "curves/tr.h"

namespace qv {
namespace {

struct Defaults {
    const char* title;
    const char* xUnit;
    const char* yUnit;
    int xLog;
    double xFrom, xTo;
    double yFrom, yTo;
    double stdYFrom, stdYTo;
    double xMajor, xMinor, yMajor, yMinor;
};

// In the order of DiagramId.
constexpr Defaults kDefaults[kDiagramCount] = {
    // The box counts a later arrival as negative delay; the unit says so.
    {QV_TR("Group Delay"), "Hz", QV_TR("ms (late < 0)"), 1, 10, 30000, -12, 8, -12, 8, 0, 0, 2,
     0.5},
    {QV_TR("Frequency Response"), "Hz", "dB", 1, 10, 30000, -120, 10, -120, 10, 0, 0, 2, 0.5},
    {QV_TR("Impuls Response"), QV_TR("Pkt"), "", 0, 0, 1800, -1.2, 1.2, -1.2, 1.2, 100, 20, 0.5,
     0.1},
    {QV_TR("Frequency Response High"), "Hz", "dB", 1, 10, 30000, -10, 10, -10, 10, 0, 0, 2, 0.5},
    {QV_TR("Frequency Response Low"), "Hz", "dB", 1, 10, 30000, -10, 10, -10, 10, 0, 0, 2, 0.5},
    {QV_TR("Frequency Room"), "Hz", "dB", 1, 10, 30000, -140, 10, -10, 10, 0, 0, 2, 0.5},
    {QV_TR("Delay Room"), "Hz", "ms", 1, 10, 30000, -30, 10, -12, 8, 0, 0, 2, 0.5},
    {QV_TR("Impuls Room"), QV_TR("Pkt"), "", 0, 0, 1800, -1.2, 1.2, -1.2, 1.2, 100, 20, 0.5, 0.1},
    {QV_TR("Filter Room"), QV_TR("Pkt"), "", 0, 0, 1800, -1.2, 1.2, -1.2, 1.2, 100, 20, 0.5, 0.1},
    {QV_TR("Impuls High"), QV_TR("Pkt"), "", 0, 0, 180, -1.2, 1.2, -1.2, 1.2, 20, 5, 0.5, 0.1},
    {QV_TR("Impuls Low"), QV_TR("Pkt"), "", 0, 0, 680, -1.2, 1.2, -1.2, 1.2, 100, 20, 0.5, 0.1},
};

}  // namespace

std::optional<DiagramId> DiagramSet::FindByTitle(std::string_view title) const {
    for (int i = 0; i < kDiagramCount; ++i)
        if (diagrams[static_cast<std::size_t>(i)].title == title) return static_cast<DiagramId>(i);
    return std::nullopt;
}

DiagramSet MakeDiagramSet(int viewWidth, int viewHeight) {
    DiagramSet set;
    for (int i = 0; i < kDiagramCount; ++i) {
        const Defaults& v = kDefaults[i];
        Diagram& d = set.diagrams[static_cast<std::size_t>(i)];
        d.title = v.title;
        InitSlots(d);
        d.lineWidth = 2;
        d.areaLeft = 0;
        d.areaTop = 0;
        d.areaRight = viewWidth;
        d.areaBottom = viewHeight;
        d.yFrom = v.yFrom;
        d.yTo = v.yTo;
        d.xFrom = v.xFrom;
        d.xTo = v.xTo;
        d.stdYFrom = v.stdYFrom;
        d.stdYTo = v.stdYTo;
        d.stdXFrom = v.xFrom;
        d.stdXTo = v.xTo;
        d.xLog = v.xLog;
        d.yLog = 0;
        d.yUnit = v.yUnit;
        d.yMajorStep = v.yMajor;
        d.yMinorStep = v.yMinor;
        d.xUnit = v.xUnit;
        d.xMajorStep = v.xMajor;
        d.xMinorStep = v.xMinor;
    }
    return set;
}

void FillDesiredCurve(Diagram& d, double xStart) {
    ClearSlots(d);
    CurveSlot& s = d.Slot(1);
    AppendPoint(s.points, xStart, 0.0);
    AppendPoint(s.points, 20000.0, 0.0);
    s.marked = 1;
    s.name = QV_TR("desired");
}

}  // namespace qv
