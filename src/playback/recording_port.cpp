#include "playback/recording_port.h"

namespace playback {

bool RecordingPort::open() {
    std::lock_guard lock(mutex_);
    if (refuseOpen_ || gone_) return false;
    entries_.push_back({Kind::Open, {}, clock_ ? clock_() : 0});
    return true;
}

void RecordingPort::close() { add(Kind::Close, {}); }

void RecordingPort::reset() { add(Kind::Reset, {}); }

bool RecordingPort::send(std::span<const std::uint8_t> message) {
    {
        std::lock_guard lock(mutex_);
        if (gone_) return false;
    }
    add(Kind::Send, message);
    return true;
}

std::string RecordingPort::status() const {
    std::lock_guard lock(mutex_);
    return gone_ ? "The MIDI port \"" + name_ + "\" is no longer there." : std::string();
}

void RecordingPort::vanish() {
    std::lock_guard lock(mutex_);
    gone_ = true;
}

void RecordingPort::add(Kind kind, std::span<const std::uint8_t> bytes) {
    const std::uint64_t at = clock_ ? clock_() : 0;
    std::lock_guard lock(mutex_);
    entries_.push_back({kind, {bytes.begin(), bytes.end()}, at});
}

std::vector<RecordingPort::Entry> RecordingPort::entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

std::vector<std::vector<std::uint8_t>> RecordingPort::sent() const {
    std::lock_guard lock(mutex_);
    std::vector<std::vector<std::uint8_t>> out;
    for (const auto& e : entries_)
        if (e.kind == Kind::Send) out.push_back(e.bytes);
    return out;
}

void RecordingPort::clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
}

void RecordingPort::reserve(std::size_t entries) {
    std::lock_guard lock(mutex_);
    entries_.reserve(entries);
}

}  // namespace playback
