#pragma once
// What the repaint benchmarks share: the window's default client size, a
// 4000-point log-frequency grid from 10 Hz to 24 kHz, and one offscreen
// application for QImage painting.

#include <QGuiApplication>
#include <cmath>
#include <cstdlib>

namespace qv::bench {

inline constexpr int kWidth = 835, kHeight = 368;
inline constexpr int kPoints = 4000;

// Point i of kPoints, spaced evenly in log frequency.
inline double GridFrequency(int i) {
    return 10 * std::pow(2400.0, static_cast<double>(i) / (kPoints - 1));
}

inline void EnsureGuiApplication() {
    static int argc = 1;
    static char name[] = "quorvane-bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() != nullptr) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QGuiApplication app(argc, argv);
}

}  // namespace qv::bench
