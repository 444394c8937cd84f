#include "playback/ports/alsa_seq_port.h"

#include <filesystem>
#include <functional>

#include "playback/ports/alsa_seq_event.h"

namespace playback::ports {
namespace {

constexpr const char* kClientName = "Ctabber";

snd_seq_t* openSequencer() {
    if (!sequencerPresent()) return nullptr;
    snd_seq_t* seq = nullptr;
    if (snd_seq_open(&seq, "default", SND_SEQ_OPEN_OUTPUT, 0) < 0) return nullptr;
    snd_seq_set_client_name(seq, kClientName);
    return seq;
}

// Each output destination with its name, in the sequencer's order.
void forEachDestination(snd_seq_t* seq, const std::function<void(const std::string&, snd_seq_addr_t)>& visit) {
    snd_seq_client_info_t* client;
    snd_seq_port_info_t* port;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);
    snd_seq_client_info_set_client(client, -1);
    while (snd_seq_query_next_client(seq, client) >= 0) {
        const int c = snd_seq_client_info_get_client(client);
        snd_seq_port_info_set_client(port, c);
        snd_seq_port_info_set_port(port, -1);
        while (snd_seq_query_next_port(seq, port) >= 0) {
            if (!isOutputDestination(c, snd_seq_port_info_get_type(port), snd_seq_port_info_get_capability(port)))
                continue;
            const int p = snd_seq_port_info_get_port(port);
            visit(destinationName(snd_seq_client_info_get_name(client), snd_seq_port_info_get_name(port), c, p),
                  snd_seq_addr_t{static_cast<unsigned char>(c), static_cast<unsigned char>(p)});
        }
    }
}

// The name of the destination at `addr` now; empty when there is none.
std::string nameAt(snd_seq_t* seq, snd_seq_addr_t addr) {
    snd_seq_client_info_t* client;
    snd_seq_port_info_t* port;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);
    if (snd_seq_get_any_client_info(seq, addr.client, client) < 0) return {};
    if (snd_seq_get_any_port_info(seq, addr.client, addr.port, port) < 0) return {};
    return destinationName(snd_seq_client_info_get_name(client), snd_seq_port_info_get_name(port), addr.client,
                           addr.port);
}

void remove(snd_seq_t* seq, const RemoveCondition& condition) {
    snd_seq_remove_events_t* info;
    snd_seq_remove_events_alloca(&info);
    fillRemoveEvents(info, condition);
    snd_seq_remove_events(seq, info);
}

}  // namespace

bool sequencerPresent() {
    std::error_code ec;
    return std::filesystem::exists("/dev/snd/seq", ec);
}

AlsaSeqPort::~AlsaSeqPort() {
    if (seq_) close();
}

bool AlsaSeqPort::open() {
    snd_seq_t* seq = openSequencer();
    if (!seq) return false;
    std::optional<snd_seq_addr_t> dest;
    forEachDestination(seq, [&](const std::string& name, snd_seq_addr_t addr) {
        if (!dest && name == name_) dest = addr;
    });
    const int port = dest ? snd_seq_create_simple_port(seq, kClientName, SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                                       SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION)
                          : -1;
    // A subscription, not events addressed to the port: a hardware port
    // opens its device only for subscribers.
    const int queue = port >= 0 && snd_seq_connect_to(seq, port, dest->client, dest->port) >= 0
                          ? snd_seq_alloc_named_queue(seq, kClientName)
                          : -1;
    if (queue < 0 || snd_seq_start_queue(seq, queue, nullptr) < 0 || snd_seq_drain_output(seq) < 0) {
        snd_seq_close(seq);  // frees its port, subscription and queue
        return false;
    }
    const std::lock_guard lock(mutex_);
    seq_ = seq;
    port_ = port;
    queue_ = queue;
    dest_ = *dest;
    lastClockMs_ = 0;
    failed_ = false;
    return true;
}

void AlsaSeqPort::close() {
    reset();
    const std::lock_guard lock(mutex_);
    if (!seq_) return;
    snd_seq_stop_queue(seq_, queue_, nullptr);
    snd_seq_drain_output(seq_);
    snd_seq_free_queue(seq_, queue_);
    snd_seq_close(seq_);
    seq_ = nullptr;
    port_ = queue_ = -1;
}

void AlsaSeqPort::reset() {
    {
        const std::lock_guard lock(mutex_);
        if (!seq_) return;
        remove(seq_, dropPending(queue_));
    }
    sendResetMessages(*this);
}

bool AlsaSeqPort::send(std::span<const std::uint8_t> message) {
    const std::lock_guard lock(mutex_);
    return output(message, std::nullopt);
}

bool AlsaSeqPort::sendAt(std::span<const std::uint8_t> message, std::uint64_t atMs) {
    const std::lock_guard lock(mutex_);
    return output(message, atMs);
}

bool AlsaSeqPort::output(std::span<const std::uint8_t> message, std::optional<std::uint64_t> atMs) {
    // After an error the port is treated as gone: status() says so and the
    // player stops.
    if (!seq_ || failed_) return false;
    auto events = seqEvents(message);
    if (events.empty()) return false;
    const snd_seq_real_time_t at = realTimeOfMs(atMs.value_or(0));
    for (auto& ev : events) {
        snd_seq_ev_set_source(&ev, static_cast<unsigned char>(port_));
        snd_seq_ev_set_subs(&ev);
        if (atMs)
            snd_seq_ev_schedule_real(&ev, static_cast<unsigned char>(queue_), 0, &at);
        else
            snd_seq_ev_set_direct(&ev);
        // Written through at once: nothing waits in a library buffer that a
        // removal would miss.
        if (snd_seq_event_output_direct(seq_, &ev) < 0) failed_ = true;
    }
    return !failed_;
}

std::uint64_t AlsaSeqPort::clockMs() const {
    const std::lock_guard lock(mutex_);
    if (!seq_) return 0;
    snd_seq_queue_status_t* status;
    snd_seq_queue_status_alloca(&status);
    if (snd_seq_get_queue_status(seq_, queue_, status) >= 0)
        lastClockMs_ = msOfRealTime(*snd_seq_queue_status_get_real_time(status));
    return lastClockMs_;
}

void AlsaSeqPort::withdraw(std::uint16_t channels) {
    const std::lock_guard lock(mutex_);
    if (!seq_) return;
    for (const auto& condition : withdrawConditions(channels, queue_)) remove(seq_, condition);
}

std::string AlsaSeqPort::status() const {
    if (failed_) return portStoppedText(name_);
    const std::lock_guard lock(mutex_);
    if (!seq_ || nameAt(seq_, dest_) == name_) return {};
    return portGoneText(name_);
}

std::optional<PortList> alsaSeqPorts() {
    snd_seq_t* seq = openSequencer();
    if (!seq) return std::nullopt;
    PortList ports;
    forEachDestination(seq, [&](const std::string& name, snd_seq_addr_t) {
        ports.push_back(std::make_shared<AlsaSeqPort>(name));
    });
    snd_seq_close(seq);
    return ports;
}

}  // namespace playback::ports
