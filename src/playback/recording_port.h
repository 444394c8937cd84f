#pragma once
// A port that plays nothing and records what it was asked to do, each with
// the millisecond its clock gave: for tests, benchmarks and the window tests.
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "playback/midi_port.h"

namespace playback {

class RecordingPort final : public MidiPort {
public:
    enum class Kind { Open, Send, Reset, Close };
    struct Entry {
        Kind kind;
        std::vector<std::uint8_t> bytes;  // of a Send
        std::uint64_t at;                 // the clock's reading
    };

    explicit RecordingPort(std::string name = "Recording port") : name_(std::move(name)) {}

    std::string name() const override { return name_; }
    bool open() override;
    void close() override;
    void reset() override;
    bool send(std::span<const std::uint8_t> message) override;
    std::string status() const override;
    std::string audioNotice() const override { return audioNotice_; }

    // What stamps each entry; 0 without one. Set before the port is used.
    void setClock(std::function<std::uint64_t()> clock) { clock_ = std::move(clock); }
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
    void add(Kind kind, std::span<const std::uint8_t> bytes);

    std::string name_;
    std::function<std::uint64_t()> clock_;
    bool refuseOpen_ = false;
    bool gone_ = false;
    std::string audioNotice_;
    mutable std::mutex mutex_;
    std::vector<Entry> entries_;
};

}  // namespace playback
