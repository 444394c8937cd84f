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
    return ports_[static_cast<std::size_t>(deviceId_)]->send({bytes, static_cast<std::size_t>(length)});
}

bool CMIDIOUT::SendLong(std::span<const std::uint8_t> bytes) {
    if (!opened_ || bytes.empty()) return false;
    return ports_[static_cast<std::size_t>(deviceId_)]->send(bytes);
}

std::string CMIDIOUT::status() const {
    if (!opened_) return {};
    return ports_[static_cast<std::size_t>(deviceId_)]->status();
}

std::string CMIDIOUT::audioNotice() const {
    if (ports_.empty()) return {};
    return ports_[static_cast<std::size_t>(deviceId_)]->audioNotice();
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
