#include "playback/ports/synth_port.h"

#include <cstdint>

#include "playback/midi_event.h"

namespace playback::ports {
namespace {

// A scheduled short message travels in the sequencer event's data pointer:
// bit 0 set, the three bytes in bits 8-31, the low 16 bits of its channel's
// generation in bits 32-47 and those of its millisecond in bits 48-63 (the
// sequencer does not hand an event's time to its client). A
// system-exclusive message travels as a pointer to its Held entry, whose
// bit 0 is clear.
static_assert(sizeof(std::uintptr_t) >= 8, "a short message and its stamps need a 64-bit pointer");

constexpr std::uintptr_t kShortTag = 1;

void* packShort(std::span<const std::uint8_t> m, std::uint32_t generation, std::uint64_t atMs) {
    std::uintptr_t v = kShortTag | std::uintptr_t{generation & 0xFFFF} << 32 | std::uintptr_t{atMs & 0xFFFF} << 48;
    for (std::size_t i = 0; i < m.size() && i < 3; ++i) v |= std::uintptr_t{m[i]} << (8 * (i + 1));
    return reinterpret_cast<void*>(v);
}

// The millisecond whose low 16 bits are `low`, at or before `now`: a
// message is applied within 65 seconds after its millisecond.
std::uint64_t dueBefore(std::uint64_t now, std::uint64_t low) { return now - ((now - low) & 0xFFFF); }

bool isChannelMessage(std::uint8_t status) { return status >= 0x80 && status < 0xF0; }

// Held system-exclusive messages this long past due have long been applied.
constexpr std::uint64_t kKeepHeldMs = 1000;

}  // namespace

SynthPort::SynthPort(Synth& synth, PortTiming timing, std::string name) : synth_(synth), name_(std::move(name)) {
    if (timing != PortTiming::Scheduled || !synth_.synth()) return;
    sequencer_ = new_fluid_sequencer2(0);
    if (!sequencer_) return;
    // Registering the synth makes its sample count the sequencer's clock.
    if (fluid_sequencer_register_fluidsynth(sequencer_, synth_.synth()) == FLUID_FAILED) {
        delete_fluid_sequencer(sequencer_);
        sequencer_ = nullptr;
        return;
    }
    fluid_sequencer_set_time_scale(sequencer_, 1000);
    client_ = fluid_sequencer_register_client(sequencer_, "ctabber", &SynthPort::dispatch, this);
    event_ = new_fluid_event();
    if (client_ == FLUID_FAILED || !event_) {
        if (event_) delete_fluid_event(event_);
        event_ = nullptr;
        delete_fluid_sequencer(sequencer_);
        sequencer_ = nullptr;
    }
}

SynthPort::~SynthPort() {
    if (!sequencer_) return;
    delete_fluid_sequencer(sequencer_);
    delete_fluid_event(event_);
}

void SynthPort::reset() {
    if (sequencer_) {
        fluid_sequencer_remove_events(sequencer_, -1, client_, -1);
        releaseHeld(UINT64_MAX);
    }
    synth_.silence();
}

std::uint64_t SynthPort::clockMs() const { return sequencer_ ? fluid_sequencer_get_tick(sequencer_) : 0; }

bool SynthPort::sendAt(std::span<const std::uint8_t> message, std::uint64_t atMs) {
    if (!sequencer_) return send(message);
    if (message.empty()) return false;
    void* data = nullptr;
    if (message[0] == 0xF0 || message[0] == 0xF7) {
        releaseHeld(clockMs() > kKeepHeldMs ? clockMs() - kKeepHeldMs : 0);
        const std::lock_guard lock(heldMutex_);
        data = &held_.emplace_back(Held{atMs, {message.begin(), message.end()}});
    } else {
        const std::uint32_t generation =
            isChannelMessage(message[0]) ? generation_[message[0] & 0x0F].load(std::memory_order_acquire) : 0;
        data = packShort(message, generation, atMs);
    }
    fluid_event_set_source(event_, -1);
    fluid_event_set_dest(event_, client_);
    fluid_event_timer(event_, data);
    return fluid_sequencer_send_at(sequencer_, event_, static_cast<unsigned int>(atMs), 1) == FLUID_OK;
}

void SynthPort::withdraw(std::uint16_t channels) {
    for (int c = 0; c < 16; ++c)
        if (channels >> c & 1) generation_[static_cast<std::size_t>(c)].fetch_add(1, std::memory_order_acq_rel);
}

void SynthPort::dispatch(unsigned int time, fluid_event_t* event, fluid_sequencer_t*, void* self) {
    // The sequencer also tells a client that it is being unregistered.
    if (fluid_event_get_type(event) != FLUID_SEQ_TIMER) return;
    static_cast<SynthPort*>(self)->apply(fluid_event_get_data(event), time);
}

void SynthPort::apply(void* data, std::uint64_t nowMs) {
    const auto v = reinterpret_cast<std::uintptr_t>(data);
    if (!(v & kShortTag)) {
        const auto& held = *static_cast<const Held*>(data);
        if (applied_) applied_(held.bytes, held.dueMs);
        synth_.send(held.bytes);
        return;
    }
    const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
                                   static_cast<std::uint8_t>(v >> 24)};
    const auto generation = static_cast<std::uint32_t>(v >> 32 & 0xFFFF);
    if (isChannelMessage(bytes[0]) &&
        generation != (generation_[bytes[0] & 0x0F].load(std::memory_order_acquire) & 0xFFFF))
        return;  // withdrawn
    const int length = shortMessageLength(bytes[0]);
    const std::span<const std::uint8_t> message{bytes, static_cast<std::size_t>(length > 0 ? length : 1)};
    if (applied_) applied_(message, dueBefore(nowMs, v >> 48));
    synth_.send(message);
}

void SynthPort::releaseHeld(std::uint64_t beforeMs) {
    const std::lock_guard lock(heldMutex_);
    while (!held_.empty() && held_.front().dueMs < beforeMs) held_.pop_front();
}

}  // namespace playback::ports
