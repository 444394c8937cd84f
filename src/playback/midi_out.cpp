#include "playback/midi_out.h"

#include "playback/midi_event.h"

namespace playback {

CMIDIOUT::CMIDIOUT(PortSource source) : source_(std::move(source)) { ports_ = source_(); }

CMIDIOUT::~CMIDIOUT() { SetActive(false); }

void CMIDIOUT::refresh() {
    SetActive(false);
    ports_ = source_();
    if (deviceId_ >= static_cast<int>(ports_.size())) deviceId_ = 0;
}

std::vector<std::string> CMIDIOUT::names() const {
    std::vector<std::string> out;
    out.reserve(ports_.size());
    for (const auto& port : ports_) out.push_back(port->name());
    return out;
}

PortTiming CMIDIOUT::portTiming(std::size_t index) const {
    return index < ports_.size() ? ports_[index]->timing() : PortTiming::Timed;
}

void CMIDIOUT::SelectDevice(int index) {
    if (index >= static_cast<int>(ports_.size())) return;
    SetActive(false);
    deviceId_ = index < 0 ? 0 : index;
}

void CMIDIOUT::SetActive(bool active) {
    if (active == opened_) return;
    if (active) {
        if (ports_.empty()) return;
        auto& port = *ports_[static_cast<std::size_t>(deviceId_)];
        if (!port.open()) return;
        opened_ = true;
        port.reset();
    } else {
        auto& port = *ports_[static_cast<std::size_t>(deviceId_)];
        port.reset();
        port.close();
        opened_ = false;
    }
}

std::string CMIDIOUT::DeviceName() const {
    if (ports_.empty()) return {};
    return ports_[static_cast<std::size_t>(deviceId_)]->name();
}

bool CMIDIOUT::SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    return SendPacked(packMessage(status, data1, data2));
}

bool CMIDIOUT::SendPacked(std::uint32_t message) {
    if (!opened_) return false;
    const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(message), static_cast<std::uint8_t>(message >> 8),
                                   static_cast<std::uint8_t>(message >> 16)};
    const int length = shortMessageLength(bytes[0]);
    if (length == 0) return false;
    return sendNowOrStamped({bytes, static_cast<std::size_t>(length)});
}

bool CMIDIOUT::SendLong(std::span<const std::uint8_t> bytes) {
    if (!opened_ || bytes.empty()) return false;
    return sendNowOrStamped(bytes);
}

bool CMIDIOUT::sendNowOrStamped(std::span<const std::uint8_t> message) {
    auto& port = *ports_[static_cast<std::size_t>(deviceId_)];
    return stamp_ ? port.sendAt(message, *stamp_) : port.send(message);
}

void CMIDIOUT::Silence(std::uint16_t channels) {
    if (!opened_) return;
    auto& port = *ports_[static_cast<std::size_t>(deviceId_)];
    port.withdraw(channels);
    for (std::uint8_t c = 0; c < 16; ++c) {
        if (!(channels >> c & 1)) continue;
        const std::uint8_t notesOff[3] = {static_cast<std::uint8_t>(0xB0 | c), 123, 0};
        port.send(notesOff);
    }
}

PortTiming CMIDIOUT::timing() const {
    if (ports_.empty()) return PortTiming::Timed;
    return ports_[static_cast<std::size_t>(deviceId_)]->timing();
}

std::uint64_t CMIDIOUT::clockMs() const {
    if (!opened_) return 0;
    return ports_[static_cast<std::size_t>(deviceId_)]->clockMs();
}

std::string CMIDIOUT::status() const {
    if (!opened_) return {};
    return ports_[static_cast<std::size_t>(deviceId_)]->status();
}

std::string CMIDIOUT::audioNotice() const {
    if (ports_.empty()) return {};
    return ports_[static_cast<std::size_t>(deviceId_)]->audioNotice();
}

std::vector<std::string> portLines(const CMIDIOUT& out) {
    std::vector<std::string> lines;
    const auto names = out.names();
    for (std::size_t i = 0; i < names.size(); ++i)
        lines.push_back(std::to_string(i) + '\t' + names[i] + '\t' + timingName(out.portTiming(i)));
    return lines;
}

std::vector<std::string> portNames(CMIDIOUT& out) {
    out.refresh();
    return out.names();
}

void testNoteOn(CMIDIOUT& out, int index) {
    out.SelectDevice(index);
    out.SetActive(true);
    out.SendShort(0xC0, 0, 0);
    out.SendShort(0x90, 48, 127);
}

void testNoteOff(CMIDIOUT& out) { out.SendShort(0x80, 48, 127); }

}  // namespace playback
