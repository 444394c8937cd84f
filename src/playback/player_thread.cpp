#include "playback/player_thread.h"

namespace playback {

bool PlayerThread::start(std::vector<MidiEvent> startup, std::vector<MidiEvent> section, const Timing& timing,
                         const PlayerControls& controls, Reports reports) {
    if (playing() || section.size() < 2) return false;
    player_ = std::make_unique<Player>(std::move(startup), std::move(section), timing, controls);
    return run([this](bool first) { return first ? player_->start(out_) : player_->tick(out_); }, std::move(reports),
               lookAheadMs(timing));
}

bool PlayerThread::startBars(std::vector<MidiEvent> startup, BarQueue& bars, const Timing& timing,
                             const PlayerControls& controls, Reports reports) {
    if (playing()) return false;
    barPlayer_ = std::make_unique<BarPlayer>(std::move(startup), bars, timing, controls);
    return run([this](bool first) { return first ? barPlayer_->start(out_) : barPlayer_->tick(out_); },
               std::move(reports), lookAheadMs(timing));
}

bool PlayerThread::run(ScheduledPlay::StepFunction stepOnce, Reports reports, std::uint64_t lookAhead) {
    out_.SetActive(true);
    heardTick_ = 0;
    std::function<bool()> wake;
    if (out_.opened() && out_.timing() == PortTiming::Scheduled) {
        scheduled_ = std::make_unique<ScheduledPlay>(std::move(stepOnce), lookAhead);
        wake = [this, reports = std::move(reports)] {
            const auto heard = scheduled_->advance(out_);
            heardTick_.store(scheduled_->heardTick(), std::memory_order_relaxed);
            if (reports.position)
                for (const auto& p : heard.positions) reports.position(p);
            if (!heard.finished) return true;
            if (reports.finished) reports.finished();
            return false;
        };
    } else {
        wake = [this, stepOnce = std::move(stepOnce), first = true, reports = std::move(reports)]() mutable {
            const auto step = stepOnce(first);
            first = false;
            heardTick_.store(step.tick, std::memory_order_relaxed);
            if (step.position && reports.position) reports.position(*step.position);
            if (!step.finished) return true;
            if (reports.finished) reports.finished();
            return false;
        };
    }
    const bool started = timer_.start(std::chrono::milliseconds(kPeriodMs), std::move(wake), prepareThread_);
    if (!started) out_.SetActive(false);
    return started;
}

bool PlayerThread::stop() {
    const bool wasPlaying = playing();
    timer_.stop();
    out_.stampSends(std::nullopt);
    if (out_.opened()) allNotesOff(out_);
    out_.SetActive(false);
    return wasPlaying;
}

}  // namespace playback
