#include "dsp_dialogs/typed_values.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

struct VolumeCase {
    const char* text;
    int maxTenths;
    std::optional<int> tenths;
    const char* error;
};

TEST(TypedValues, VolumeAsShownOrTyped) {
    // clang-format off
    const VolumeCase cases[] = {
        {"  - 12.5", 300, 125, ""}, {"-3", 300, 30, ""}, {"0,5", 300, 5, ""}, {"30.0", 300, 300, ""},
        {"30.1", 300, std::nullopt, "Gain: 30.1 dB is outside 0.0 ... 30.0 dB."},
        {"25.6", 255, std::nullopt, "Gain: 25.6 dB is outside 0.0 ... 25.5 dB."},
        {"1.25", 300, std::nullopt, "Gain: \"1.25\" is no level in dB (e.g. 12.5)."},
        {"", 300, std::nullopt, "Gain: \"\" is no level in dB (e.g. 12.5)."},
        {"999999", 300, std::nullopt, "Gain: \"999999\" is no level in dB (e.g. 12.5)."},
    };
    // clang-format on
    for (const VolumeCase& c : cases) {
        const TypedValue v = CheckTypedVolume("Gain", c.text, c.maxTenths);
        EXPECT_EQ(v.value, c.tenths) << c.text;
        EXPECT_EQ(v.error, c.error) << c.text;
    }
}

}  // namespace
}  // namespace qv
