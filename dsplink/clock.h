#pragma once
// Time for the protocol's waits, so that tests never wait for real.

#include <chrono>
#include <thread>

namespace qv {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::chrono::steady_clock::time_point Now() = 0;
    virtual void Sleep(std::chrono::milliseconds d) = 0;
};

class SteadyClock : public Clock {
  public:
    std::chrono::steady_clock::time_point Now() override {
        return std::chrono::steady_clock::now();
    }
    void Sleep(std::chrono::milliseconds d) override { std::this_thread::sleep_for(d); }
};

// Advances only when asked: Sleep moves time forward at once.
class FakeClock : public Clock {
  public:
    std::chrono::steady_clock::time_point Now() override { return now_; }
    void Sleep(std::chrono::milliseconds d) override { now_ += d; }
    void Advance(std::chrono::milliseconds d) { now_ += d; }

  private:
    std::chrono::steady_clock::time_point now_{};
};

}  // namespace qv
