#include "playback/player_thread.h"

namespace playback {

bool PlayerThread::start(std::vector<MidiEvent> startup, std::vector<MidiEvent> section, const Timing& timing,
                         const PlayerControls& controls, Reports reports) {
    if (playing() || section.size() < 2) return false;
    player_ = std::make_unique<Player>(std::move(startup), std::move(section), timing, controls);
    return run([this](bool first) { return first ? player_->start(out_) : player_->tick(out_); }, std::move(reports));
}

bool PlayerThread::startBars(std::vector<MidiEvent> startup, BarQueue& bars, const Timing& timing,
                             const PlayerControls& controls, Reports reports) {
    if (playing()) return false;
    barPlayer_ = std::make_unique<BarPlayer>(std::move(startup), bars, timing, controls);
    return run([this](bool first) { return first ? barPlayer_->start(out_) : barPlayer_->tick(out_); },
               std::move(reports));
}

bool PlayerThread::run(std::function<Player::Step(bool first)> stepOnce, Reports reports) {
    out_.SetActive(true);
    const bool started = timer_.start(std::chrono::milliseconds(kPeriodMs),
                                      [stepOnce = std::move(stepOnce), first = true,
                                       reports = std::move(reports)]() mutable {
        const auto step = stepOnce(first);
        first = false;
        if (step.position && reports.position) reports.position(*step.position);
        if (!step.finished) return true;
        if (reports.finished) reports.finished();
        return false;
    }, prepareThread_);
    if (!started) out_.SetActive(false);
    return started;
}

bool PlayerThread::stop() {
    const bool wasPlaying = playing();
    timer_.stop();
    if (out_.opened()) allNotesOff(out_);
    out_.SetActive(false);
    return wasPlaying;
}

}  // namespace playback
