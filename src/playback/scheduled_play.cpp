#include "playback/scheduled_play.h"

#include <algorithm>

#include "playback/periodic_timer.h"

namespace playback {

std::uint64_t lookAheadMs(const Timing& timing) {
    const std::uint64_t numerator = timing.barNumerator <= 0 ? 4 : static_cast<std::uint64_t>(timing.barNumerator);
    const std::uint64_t barMs = numerator * timing.tempo / 1000;
    return std::clamp<std::uint64_t>(barMs / 4, kPeriodMs, kLookAheadMs);
}

ScheduledPlay::ScheduledPlay(StepFunction step, std::uint64_t lookAheadMs)
    : step_(std::move(step)), lookAhead_(lookAheadMs) {}

ScheduledPlay::Heard ScheduledPlay::advance(CMIDIOUT& out) {
    const std::uint64_t now = out.clockMs();
    if (!origin_) origin_ = now + lookAhead_;
    const auto catchUp = static_cast<std::uint64_t>(PeriodicTimer::kMaxCatchUp.count());
    if (*origin_ + nextMs_ + catchUp < now) origin_ = now - nextMs_;
    while (!ended_ && *origin_ + nextMs_ <= now + lookAhead_) {
        out.stampSends(*origin_ + nextMs_);
        const auto step = step_(nextMs_ == 0);
        unheard_.push_back({nextMs_, step.tick, step.position, step.finished});
        ended_ = step.finished;
        nextMs_ += kPeriodMs;
    }
    out.stampSends(std::nullopt);
    Heard heard;
    while (!unheard_.empty() && *origin_ + unheard_.front().runMs <= now) {
        const auto& s = unheard_.front();
        heardTick_ = s.tick;
        if (s.position) heard.positions.push_back(*s.position);
        heard.finished = heard.finished || s.finished;
        unheard_.pop_front();
    }
    return heard;
}

}  // namespace playback
