#pragma once
// Simulate -> "Live": the work behind a change of a desired curve runs on a
// worker thread, coalesced to the latest state. A change that arrives while
// a run is busy replaces any change still waiting, so a drag never builds a
// queue of stale runs: after the busy run comes at most one more, with the
// last state. No Qt: the window posts the result back to its own thread.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace qv {

template <typename State, typename Result>
class LatestOnlyWorker {
  public:
    // run is called on the worker thread, one state at a time; deliver hears
    // each result there too, with the number of the change it came from.
    LatestOnlyWorker(std::function<Result(const State&)> run,
                     std::function<void(Result, unsigned long change)> deliver)
        : run_(std::move(run)), deliver_(std::move(deliver)), thread_([this] { Loop(); }) {}
    ~LatestOnlyWorker() {
        {
            const std::lock_guard<std::mutex> lock(m_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    LatestOnlyWorker(const LatestOnlyWorker&) = delete;
    LatestOnlyWorker& operator=(const LatestOnlyWorker&) = delete;

    // A new state; returns its change number. Replaces a waiting state.
    unsigned long Submit(State s) {
        unsigned long change = 0;
        {
            const std::lock_guard<std::mutex> lock(m_);
            pending_ = std::move(s);
            change = ++submitted_;
        }
        wake_.notify_all();
        return change;
    }
    // The number of the latest change; a result of an older one is stale.
    unsigned long LatestChange() const {
        const std::lock_guard<std::mutex> lock(m_);
        return submitted_;
    }
    // Blocks until nothing runs and nothing waits.
    void WaitIdle() {
        std::unique_lock<std::mutex> lock(m_);
        idle_.wait(lock, [this] { return !busy_ && !pending_; });
    }

  private:
    void Loop() {
        std::unique_lock<std::mutex> lock(m_);
        for (;;) {
            wake_.wait(lock, [this] { return stop_ || pending_.has_value(); });
            if (stop_) return;
            State s = std::move(*pending_);
            pending_.reset();
            const unsigned long change = submitted_;
            busy_ = true;
            lock.unlock();
            Result r = run_(s);
            deliver_(std::move(r), change);
            lock.lock();
            busy_ = false;
            idle_.notify_all();
        }
    }

    std::function<Result(const State&)> run_;
    std::function<void(Result, unsigned long)> deliver_;
    mutable std::mutex m_;
    std::condition_variable wake_, idle_;
    std::optional<State> pending_;
    unsigned long submitted_ = 0;
    bool busy_ = false;
    bool stop_ = false;
    std::thread thread_;  // last: starts once the rest is in place
};

}  // namespace qv
