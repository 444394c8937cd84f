#include "playback/periodic_timer.h"

#include <system_error>

namespace playback {

bool PeriodicTimer::start(std::chrono::nanoseconds period, std::function<bool()> step, std::function<void()> prepare) {
    if (thread_.joinable()) return false;
    stopping_ = false;
    start_ = Clock::now();
    try {
        thread_ = std::thread([this, period, step = std::move(step), prepare = std::move(prepare)] {
            if (prepare) prepare();
            run(period, step);
        });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void PeriodicTimer::run(std::chrono::nanoseconds period, const std::function<bool()>& step) {
    auto due = start_;
    while (!stopping_.load(std::memory_order_relaxed) && step()) {
        due += period;
        const auto now = Clock::now();
        if (now - due > kMaxCatchUp) due = now;
        std::this_thread::sleep_until(due);
    }
}

void PeriodicTimer::stop() {
    if (!thread_.joinable()) return;
    stopping_ = true;
    thread_.join();
}

}  // namespace playback
