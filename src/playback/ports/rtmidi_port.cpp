#include "playback/ports/rtmidi_port.h"

#include <iostream>

#include "playback/ports/alsa_seq_port.h"

namespace playback::ports {
namespace {

constexpr const char* kClientName = "Ctabber";

void ignoreError(RtMidiError::Type, const std::string&, void*) {}

// RtMidi writes its warnings to std::cerr until an error callback is set,
// as when a JACK client is made with no JACK server running.
class QuietCerr {
public:
    QuietCerr() : saved_(std::cerr.rdbuf(nullptr)) {}
    ~QuietCerr() {
        std::cerr.rdbuf(saved_);
        std::cerr.clear();
    }

private:
    std::streambuf* saved_;
};

// A client of `api` whose errors are kept quiet, or none when the API cannot
// serve (no ALSA sequencer device, no JACK library).
std::unique_ptr<RtMidiOut> makeClient(RtMidi::Api api) {
    // ALSA would print its own complaint before RtMidi throws.
    if (api == RtMidi::LINUX_ALSA && !sequencerPresent()) return nullptr;
    try {
        QuietCerr quiet;
        auto out = std::make_unique<RtMidiOut>(api, kClientName);
        out->setErrorCallback(&ignoreError, nullptr);
        return out;
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

std::vector<std::string> portNamesOf(RtMidiOut& client) {
    std::vector<std::string> names;
    try {
        const unsigned count = client.getPortCount();
        for (unsigned i = 0; i < count; ++i) names.push_back(client.getPortName(i));
    } catch (const RtMidiError&) {
    }
    return names;
}

}  // namespace

RtMidiPort::~RtMidiPort() { close(); }

void RtMidiPort::onError(RtMidiError::Type type, const std::string&, void* self) {
    if (type != RtMidiError::WARNING && type != RtMidiError::DEBUG_WARNING)
        static_cast<RtMidiPort*>(self)->failed_ = true;
}

bool RtMidiPort::open() {
    auto out = makeClient(api_);
    if (!out) return false;
    const auto names = portNamesOf(*out);
    for (unsigned i = 0; i < names.size(); ++i) {
        if (names[i] != name_) continue;
        failed_ = false;
        out->setErrorCallback(&RtMidiPort::onError, this);
        try {
            out->openPort(i, kClientName);
        } catch (const RtMidiError&) {
            return false;
        }
        if (failed_ || !out->isPortOpen()) return false;
        out_ = std::move(out);
        std::lock_guard lock(probeMutex_);
        probe_ = makeClient(api_);
        return true;
    }
    return false;
}

void RtMidiPort::close() {
    if (out_) out_->closePort();
    out_.reset();
    std::lock_guard lock(probeMutex_);
    probe_.reset();
}

void RtMidiPort::reset() { sendResetMessages(*this); }

bool RtMidiPort::send(std::span<const std::uint8_t> message) {
    // After an error the port is treated as gone: status() says so and the
    // player stops.
    if (!out_ || failed_) return false;
    try {
        out_->sendMessage(message.data(), message.size());
    } catch (const RtMidiError&) {
        failed_ = true;
    }
    return !failed_;
}

std::string RtMidiPort::status() const {
    if (failed_) return portStoppedText(name_);
    std::lock_guard lock(probeMutex_);
    if (!probe_) return {};
    for (const auto& name : portNamesOf(*probe_))
        if (name == name_) return {};
    return portGoneText(name_);
}

PortList rtMidiPorts(bool withAlsa) {
    // RtMidi's JACK client leaks a buffer at each try without a server, so a
    // JACK that was not running is not asked again during this run.
    static std::atomic<bool> jackAbsent{false};
    PortList ports;
    std::vector<RtMidi::Api> apis;
    RtMidi::getCompiledApi(apis);
    for (const auto api : apis) {
        const bool jack = api == RtMidi::UNIX_JACK;
        if (api == RtMidi::LINUX_ALSA && !withAlsa) continue;
        if (jack && jackAbsent) continue;
        auto client = makeClient(api);
        if (!client) continue;
        bool warned = false;
        client->setErrorCallback([](RtMidiError::Type, const std::string&, void* flag) { *static_cast<bool*>(flag) = true; },
                                 &warned);
        for (auto& name : portNamesOf(*client)) ports.push_back(std::make_shared<RtMidiPort>(api, std::move(name)));
        if (jack && warned) jackAbsent = true;
    }
    return ports;
}

}  // namespace playback::ports
