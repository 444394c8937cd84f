#include "playback/player.h"

#include <algorithm>

namespace playback {

constexpr std::uint32_t kDisplayEveryMs = 50;

void PlayerControls::setChannel(int channel, bool on) {
    const auto bit = static_cast<std::uint16_t>(1u << channel);
    if (on) channelSwitches.fetch_or(bit);
    else channelSwitches.fetch_and(static_cast<std::uint16_t>(~bit));
}

std::uint16_t partSwitches(std::uint16_t on, std::uint16_t solo) { return solo != 0 ? solo : on; }

Player::Player(std::vector<MidiEvent> startup, std::vector<MidiEvent> section, Timing timing,
               const PlayerControls& controls)
    : startup_(std::move(startup)), section_(std::move(section)), timing_(timing), controls_(controls) {}

Player::Step Player::start(CMIDIOUT& out) {
    elapsed_ = 0;
    runMs_ = 0;
    next_ = 0;
    passes_ = 0;
    playingStartup_ = true;
    heard_ = controls_.channelSwitches.load();
    return step(out);
}

Player::Step Player::tick(CMIDIOUT& out) {
    elapsed_ += kPeriodMs;
    runMs_ += kPeriodMs;
    return step(out);
}

void silenceSwitchedOff(std::uint16_t& heard, const PlayerControls& controls, CMIDIOUT& out) {
    const std::uint16_t now = controls.channelSwitches.load();
    const auto off = static_cast<std::uint16_t>(heard & ~now);
    heard = now;
    if (off != 0) out.Silence(off);
}

Player::Step Player::step(CMIDIOUT& out) {
    Step result;
    silenceSwitchedOff(heard_, controls_, out);
    const std::uint64_t now = tickAt(timing_, elapsed_);
    result.tick = now;
    if (elapsed_ % kDisplayEveryMs == 0) result.position = Position{now, next_, sectionCount()};
    const auto& list = playingStartup_ ? startup_ : section_;
    const int count = static_cast<int>(list.size());
    while (next_ < count) {
        const MidiEvent& e = list[static_cast<std::size_t>(next_)];
        if (e.tick > now) return result;
        if (e.isLong()) out.SendLong(e.data);  // whatever the channel switches
        else if (e.message != 0 && controls_.channelOn(static_cast<int>(e.message & 0x0F))) out.SendPacked(e.message);
        ++next_;
    }
    // The list has ended: the next one starts at tick 0.
    elapsed_ = 0;
    next_ = 0;
    if (!playingStartup_) {
        ++passes_;
        if (!controls_.loop.load()) {
            result.finished = true;
            return result;
        }
    }
    playingStartup_ = controls_.initEveryLoop.load() ? !playingStartup_ : false;
    return result;
}

std::uint64_t runLengthMs(const std::vector<MidiEvent>& startup, const std::vector<MidiEvent>& section,
                          const Timing& timing, int passes) {
    const std::uint64_t first = startup.empty() ? 0 : msOfTick(timing, startup.back().tick);
    const std::uint64_t pass = section.empty() ? 1 : std::max<std::uint64_t>(msOfTick(timing, section.back().tick), 1);
    return first + pass * static_cast<std::uint64_t>(std::max(passes, 0));
}

void allNotesOff(CMIDIOUT& out) { out.Silence(0xFFFF); }

}  // namespace playback
