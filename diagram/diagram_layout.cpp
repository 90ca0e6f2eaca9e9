#include "diagram/diagram_layout.h"

#include <cmath>

#include "diagram/axis_math.h"

namespace qv {

AxisMapper::AxisMapper(double from_, double to_, bool log_, double pixels)
    : from(from_), to(to_), log(log_), worldScale(AxisScale(from_, to_, log_)) {
    pixelScale = log ? pixels / (DecimalLog(to) - DecimalLog(from)) : pixels / (to - from);
}

double AxisMapper::ValueAt(double pixels) const {
    if (log) return std::exp((DecimalLog(from) + pixels / pixelScale) * kLogConstant);
    return pixels / pixelScale + from;
}

bool AxisMapper::Usable() const {
    if (!std::isfinite(from) || !std::isfinite(to) || !(from < to)) return false;
    if (log && !(from > 0)) return false;
    return std::isfinite(pixelScale) && pixelScale > 0;
}

DiagramMapper::DiagramMapper(const Diagram& d) : DiagramMapper(d, d.areaRight, d.areaBottom) {}

DiagramMapper::DiagramMapper(const Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight)
    : area_{d.areaLeft, d.areaTop, viewWidth, viewHeight},
      plot_{d.areaLeft + kYLabelStrip, d.areaTop, viewWidth, viewHeight - kXLabelStrip},
      x_(d.xFrom, d.xTo, d.xLog == 1, static_cast<double>(plot_.right) - plot_.left),
      y_(d.yFrom, d.yTo, d.yLog == 1, static_cast<double>(plot_.bottom) - plot_.top) {
    SetViewport(state_, plot_.left, plot_.top, plot_.right, plot_.bottom);
    SetWorldWindow(state_, 0, 0, WorldExtent, WorldExtent);
}

double DiagramMapper::ValueX(double px) const {
    return x_.ValueAt(px - plot_.left);
}

double DiagramMapper::ValueY(double py) const {
    // The mouse counts downwards from the top; the axis upwards from the bottom.
    return y_.ValueAt(plot_.bottom - py);
}

bool DiagramMapper::InPlot(std::int32_t px, std::int32_t py) const {
    return px >= plot_.left && px < plot_.right && py >= plot_.top && py <= plot_.bottom;
}

bool DiagramMapper::Usable() const {
    return plot_.right > plot_.left && plot_.bottom > plot_.top && x_.Usable() && y_.Usable();
}

bool FallBackToLinear(Diagram& d) {
    const bool logX = d.xLog == 1 && d.yLog == 0;
    const bool logY = d.xLog == 0 && d.yLog == 1;
    const bool logXY = d.xLog == 1 && d.yLog == 1;
    const bool xDrawable = d.xFrom > 0, yDrawable = d.yFrom > 0;
    if ((logX && !xDrawable) || (logY && !yDrawable) || (logXY && !(xDrawable && yDrawable))) {
        d.xLog = 0;
        d.yLog = 0;
        return true;
    }
    return false;
}

void LayOutDiagram(Diagram& d, std::int32_t viewWidth, std::int32_t viewHeight) {
    d.areaLeft = 0;
    d.areaTop = 0;
    d.areaRight = viewWidth;
    d.areaBottom = viewHeight;
    EnsureTickSteps(d);
    FallBackToLinear(d);
}

}  // namespace qv
