#include "playback/recording_port.h"

namespace playback {

bool RecordingPort::open() {
    std::lock_guard lock(mutex_);
    if (refuseOpen_ || gone_) return false;
    entries_.push_back({Kind::Open, {}, clock_ ? clock_() : 0});
    return true;
}

void RecordingPort::close() { add({Kind::Close, {}, 0}); }

void RecordingPort::reset() { add({Kind::Reset, {}, 0}); }

bool RecordingPort::send(std::span<const std::uint8_t> message) {
    {
        std::lock_guard lock(mutex_);
        if (gone_) return false;
    }
    add({Kind::Send, {message.begin(), message.end()}, 0});
    return true;
}

bool RecordingPort::sendAt(std::span<const std::uint8_t> message, std::uint64_t atMs) {
    if (timing_ == PortTiming::Timed) return send(message);
    {
        std::lock_guard lock(mutex_);
        if (gone_) return false;
    }
    add({Kind::Send, {message.begin(), message.end()}, 0, atMs});
    return true;
}

void RecordingPort::withdraw(std::uint16_t channels) {
    if (timing_ == PortTiming::Timed) return;
    const std::uint64_t now = clockMs();
    std::lock_guard lock(mutex_);
    for (auto& e : entries_) {
        const bool channelMessage = !e.bytes.empty() && e.bytes[0] >= 0x80 && e.bytes[0] < 0xF0;
        if (e.kind == Kind::Send && e.due && *e.due > now && channelMessage && (channels >> (e.bytes[0] & 0x0F) & 1))
            e.withdrawn = true;
    }
    entries_.push_back({Kind::Withdraw, {}, now, std::nullopt, channels});
}

std::string RecordingPort::status() const {
    std::lock_guard lock(mutex_);
    return gone_ ? "The MIDI port \"" + name_ + "\" is no longer there." : std::string();
}

void RecordingPort::vanish() {
    std::lock_guard lock(mutex_);
    gone_ = true;
}

void RecordingPort::add(Entry entry) {
    entry.at = clock_ ? clock_() : 0;
    std::lock_guard lock(mutex_);
    entries_.push_back(std::move(entry));
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
