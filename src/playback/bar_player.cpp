#include "playback/bar_player.h"

namespace playback {

constexpr std::uint32_t kDisplayEveryMs = 50;

BarPlayer::BarPlayer(std::vector<MidiEvent> startup, BarQueue& bars, Timing timing, const PlayerControls& controls)
    : startup_(std::move(startup)), bars_(bars), timing_(timing), controls_(controls) {}

BarPlayer::Step BarPlayer::start(CMIDIOUT& out) {
    heard_ = controls_.channelSwitches.load();
    return step(out);
}

BarPlayer::Step BarPlayer::tick(CMIDIOUT& out) {
    runMs_ += kPeriodMs;
    return step(out);
}

std::uint64_t BarPlayer::clock() {
    const std::uint64_t now = baseTick_ + tickAt(timing_, runMs_ - baseMs_);
    const std::uint32_t wanted = controls_.tempo.load();
    if (wanted != 0 && wanted != timing_.tempo && !playingStartup_) {
        // The new tempo counts from the tick reached, so nothing jumps.
        baseTick_ = now;
        baseMs_ = runMs_;
        timing_.tempo = wanted;
    }
    return now;
}

void BarPlayer::send(CMIDIOUT& out, const MidiEvent& e) {
    if (e.isLong()) out.SendLong(e.data);
    else if (e.message != 0 && controls_.channelOn(static_cast<int>(e.message & 0x0F))) out.SendPacked(e.message);
}

BarPlayer::Step BarPlayer::step(CMIDIOUT& out) {
    Step result;
    silenceSwitchedOff(heard_, controls_, out);
    tick_ = clock();
    result.tick = tick_;
    if (playingStartup_) {
        while (next_ < startup_.size() && startup_[next_].tick <= tick_) send(out, startup_[next_++]);
        if (next_ < startup_.size()) return result;
        // The bars count from 0 after the start-up list.
        playingStartup_ = false;
        next_ = 0;
        baseMs_ = runMs_;
        baseTick_ = 0;
        tick_ = 0;
        timing_.tempo = controls_.tempo.load() != 0 ? controls_.tempo.load() : timing_.tempo;
    }
    result.tick = tick_;
    if (runMs_ % kDisplayEveryMs == 0)
        result.position = Position{tick_, static_cast<int>(haveBar_ ? bar_.index : 0), 0};
    for (;;) {
        if (haveBar_) {
            while (next_ < bar_.events.size() && bar_.events[next_].tick <= tick_) send(out, bar_.events[next_++]);
            if (tick_ < bar_.end) return result;
        }
        switch (bars_.takeDue(tick_, bar_)) {
            case BarQueue::Take::Bar:
                haveBar_ = true;
                next_ = 0;
                continue;
            case BarQueue::Take::Ended: result.finished = true; return result;
            case BarQueue::Take::NotYet:
                // The clock waits at the bar line (or at 0): the next step is there again.
                baseTick_ = tick_ = haveBar_ ? bar_.end : 0;
                baseMs_ = runMs_ + kPeriodMs;
                return result;
        }
    }
}

}  // namespace playback
