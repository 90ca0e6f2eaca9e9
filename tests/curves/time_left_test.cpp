#include "curves/time_left.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(TimeLeft, ExtrapolatesThePaceSoFar) {
    const struct {
        std::int64_t elapsedMs;
        double fraction;
        const char* text;
    } cases[] = {
        {400, 0.5, "estimating time left"},     // too early to tell
        {10000, 0.01, "estimating time left"},  // too little done
        {10000, 0.5, "10 s left"},
        {1000, 0.25, "3 s left"},
        {30000, 0.25, "1 min 30 s left"},
        {65000, 0.5, "1 min 05 s left"},
        {5000, 1.0, "0 s left"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeLeftText(c.elapsedMs, c.fraction), c.text)
            << c.elapsedMs << " " << c.fraction;
}

}  // namespace
}  // namespace qv
