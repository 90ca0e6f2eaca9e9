// The "Live" worker coalesces: changes while a run is busy give one more run,
// with the last state.

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <vector>

#include "app/live_resynthesis.h"
#include "app/live_worker.h"
#include "dsplink/program_profile.h"

namespace qv {
namespace {

TEST(LatestOnlyWorker, TenChangesWhileBusyGiveOneMoreRunWithTheLastState) {
    std::mutex m;
    std::condition_variable cv;
    bool started = false, release = false;
    std::vector<int> runs;
    std::vector<unsigned long> delivered;
    {
        LatestOnlyWorker<int, int> worker(
            [&](const int& s) {
                std::unique_lock<std::mutex> lock(m);
                runs.push_back(s);
                started = true;
                cv.notify_all();
                cv.wait(lock, [&] { return release; });
                return s * 10;
            },
            [&](int r, unsigned long change) {
                const std::lock_guard<std::mutex> lock(m);
                delivered.push_back(change);
                EXPECT_EQ(r, runs.back() * 10);
            });
        worker.Submit(1);
        {
            std::unique_lock<std::mutex> lock(m);
            cv.wait(lock, [&] { return started; });
        }
        for (int s = 2; s <= 11; ++s) worker.Submit(s);
        {
            const std::lock_guard<std::mutex> lock(m);
            release = true;
        }
        cv.notify_all();
        worker.WaitIdle();
        EXPECT_EQ(worker.LatestChange(), 11u);
    }
    EXPECT_EQ(runs, (std::vector<int>{1, 11}));
    EXPECT_EQ(delivered, (std::vector<unsigned long>{1, 11}));
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

TEST(LiveResynthesis, FollowsEachChangeOfTheDesiredCurveOnly) {
    Workspace ws;
    CreateDiagramSet(ws);
    CreateDesiredCurve(ws, GroupDelayDiagram, 10);
    CreateDesiredCurve(ws, FrequencyResponseDiagram, 10);
    SetCurve(ws, FrequencyResponseHighDiagram, CurveRole::Desired, "amlin.cor",
             {{0, 0}, {24000, 0}});
    const DspProgramProfile profile = DeriveProfile(1, 48000);
    const TargetSettings band;
    LiveResynthesis live(ws, profile, band, {});
    EXPECT_FALSE(live.CurvesMayHaveChanged());  // off
    live.SetEnabled(true);
    EXPECT_TRUE(live.Settle());
    EXPECT_FALSE(ws.Curve(FrequencyResponseDiagram, CurveRole::Real).points.empty());
    EXPECT_FALSE(live.CurvesMayHaveChanged());  // nothing changed
    for (CurvePoint& p : ws.Curve(FrequencyResponseDiagram, CurveRole::Desired).points) p.y = 6;
    EXPECT_TRUE(live.CurvesMayHaveChanged());
    EXPECT_TRUE(live.Settle());
    const PointList& real = ws.Curve(FrequencyResponseDiagram, CurveRole::Real).points;
    EXPECT_NEAR(real[real.size() / 2].y, 6, 0.1);
    EXPECT_EQ(live.runs(), 2u);
}

}  // namespace
}  // namespace qv
