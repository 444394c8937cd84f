#pragma once
// A periodic thread on absolute deadlines: the n-th call is due at
// start + n periods, so a late wake-up delays one call and never the ones
// after it, and the count of calls times the period stays with the clock.
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace playback {

class PeriodicTimer {
public:
    using Clock = std::chrono::steady_clock;
    // A wake-up later than this (the machine was suspended) restarts the
    // schedule from now instead of making up the missed calls in a burst.
    static constexpr std::chrono::milliseconds kMaxCatchUp{100};

    PeriodicTimer() = default;
    ~PeriodicTimer() { stop(); }
    PeriodicTimer(const PeriodicTimer&) = delete;
    PeriodicTimer& operator=(const PeriodicTimer&) = delete;

    // Calls `step` at once on a new thread, then once per period until it
    // returns false or stop() is called; `prepare`, when given, runs first on
    // that thread (to raise its priority). False when the thread cannot be
    // made or a timer already runs.
    bool start(std::chrono::nanoseconds period, std::function<bool()> step, std::function<void()> prepare = {});
    // Ends the thread and waits for it: no call runs after this returns.
    // Not from within `step`.
    void stop();
    bool running() const { return thread_.joinable(); }
    // When the first call was due.
    Clock::time_point startTime() const { return start_; }

private:
    void run(std::chrono::nanoseconds period, const std::function<bool()>& step);

    std::thread thread_;
    std::atomic<bool> stopping_{false};
    Clock::time_point start_{};
};

}  // namespace playback
