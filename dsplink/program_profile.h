#pragma once
// Which DSP program belongs to the current range and sample frequency, how
// long its filters are, where its coefficients and parameters live. Derived
// from the setup alone, so the synthesis can use it without a window.

#include <cstdint>
#include <string>

namespace qv {

struct DspProgramProfile {
    std::string programFile;
    std::int32_t eqTapCount = 0;
    std::int32_t roomTapCount = 0;
    double eqSampleRate = 0.0;
    double roomSampleRate = 0.0;
    std::uint16_t eqCoefOffset = 0;
    std::uint16_t roomCoefOffset = 0;
    std::uint16_t roomDelayAddress = 0;
    double converterDelay = 0.0;     // s
    double roomLatencyOffset = 0.0;  // s
    double roomLatencyTotal = 0.0;   // s
    bool operator==(const DspProgramProfile&) const = default;
};

// range: 1 High, 2 Low.
constexpr bool ValidRange(int range) {
    return range == 1 || range == 2;
}

// The profile of range (1 High, 2 Low, anything else the invalid profile)
// at fs Hz. The fields a range does not set keep their values from before
// (the converter delay under High, several room fields under an invalid
// range). The room equalizer changes no field; it only enables menu items.
DspProgramProfile DeriveProfile(int range, double fs, const DspProgramProfile& before = {});

}  // namespace qv
