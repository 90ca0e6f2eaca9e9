#include "curves/time_left.h"

#include <cstdio>

#include "curves/tr.h"

namespace qv {

std::string TimeLeftText(std::int64_t elapsedMs, double fraction) {
    if (!(fraction > 0.02) || elapsedMs < 500) return QV_TR("estimating time left");
    const double seconds = elapsedMs * (1.0 - fraction) / fraction / 1000.0 + 0.5;
    const auto left = static_cast<std::int64_t>(seconds > 0 ? seconds : 0);
    char text[48];
    if (left >= 60)
        std::snprintf(text, sizeof text, "%lld min %02lld", static_cast<long long>(left / 60),
                      static_cast<long long>(left % 60));
    else
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(left));
    return Fill(QV_TR("%1 s left"), {text});
}

}  // namespace qv
