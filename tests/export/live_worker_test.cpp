// The "Live" worker coalesces: changes while a run is busy give one more run,
// with the last state.

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <vector>

#include "app/live_worker.h"

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
