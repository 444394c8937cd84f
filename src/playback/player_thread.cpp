#include "playback/player_thread.h"

namespace playback {

bool PlayerThread::start(std::vector<MidiEvent> startup, std::vector<MidiEvent> section, const Timing& timing,
                         const PlayerControls& controls, Reports reports) {
    if (playing() || section.size() < 2) return false;
    player_ = std::make_unique<Player>(std::move(startup), std::move(section), timing, controls);
    out_.SetActive(true);
    const bool started =
        timer_.start(std::chrono::milliseconds(kPeriodMs), [this, first = true, reports = std::move(reports)]() mutable {
        const auto step = first ? player_->start(out_) : player_->tick(out_);
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
