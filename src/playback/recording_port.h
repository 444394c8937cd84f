#pragma once
// A port that plays nothing and records what it was asked to do, each with
// the millisecond its clock gave: for tests, benchmarks and the window tests.
// Set to scheduled, it stands for a port with a clock of its own: its clock
// is the one given, and a withdrawal marks the sends still ahead of it.
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "playback/midi_port.h"

namespace playback {

class RecordingPort final : public MidiPort {
public:
    enum class Kind { Open, Send, Reset, Close, Withdraw };
    struct Entry {
        Kind kind;
        std::vector<std::uint8_t> bytes;  // of a Send
        std::uint64_t at;                 // the clock's reading
        std::optional<std::uint64_t> due = std::nullopt;  // a Send's stamp (scheduled)
        std::uint16_t channels = 0;       // of a Withdraw
        bool withdrawn = false;           // a Send a later Withdraw dropped before it was due
    };

    explicit RecordingPort(std::string name = "Recording port") : name_(std::move(name)) {}

    std::string name() const override { return name_; }
    bool open() override;
    void close() override;
    void reset() override;
    bool send(std::span<const std::uint8_t> message) override;
    std::string status() const override;
    std::string audioNotice() const override { return audioNotice_; }
    PortTiming timing() const override { return timing_; }
    std::uint64_t clockMs() const override { return clock_ ? clock_() : 0; }
    bool sendAt(std::span<const std::uint8_t> message, std::uint64_t atMs) override;
    void withdraw(std::uint16_t channels) override;

    // What stamps each entry; 0 without one. Set before the port is used.
    void setClock(std::function<std::uint64_t()> clock) { clock_ = std::move(clock); }
    // Timed by default.
    void setTiming(PortTiming timing) { timing_ = timing; }
    // The next opens fail.
    void refuseOpen(bool refuse) { refuseOpen_ = refuse; }
    // The device goes away: sends fail and status() says so.
    void vanish();
    // What audioNotice() says, as a synthesizer without a sound card would.
    void setAudioNotice(std::string notice) { audioNotice_ = std::move(notice); }

    // A copy of the entries so far (safe while another thread sends).
    std::vector<Entry> entries() const;
    // The sent messages only.
    std::vector<std::vector<std::uint8_t>> sent() const;
    void clear();
    // Room for this many entries, so recording allocates nothing while it plays.
    void reserve(std::size_t entries);

private:
    void add(Entry entry);

    std::string name_;
    std::function<std::uint64_t()> clock_;
    bool refuseOpen_ = false;
    bool gone_ = false;
    std::string audioNotice_;
    PortTiming timing_ = PortTiming::Timed;
    mutable std::mutex mutex_;
    std::vector<Entry> entries_;
};

}  // namespace playback
