#pragma once
// One MIDI output port back end: the built-in synthesizer, a system MIDI
// port, or a recording port for tests. `CMIDIOUT` chooses one of a list.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace playback {

// How a port times what it plays. A timed port plays each message when it
// is sent, so the player thread sends it when it is due; a scheduled port
// takes messages ahead of time with the millisecond of its own clock at
// which each is to sound, and that clock (a synthesizer's sample clock, a
// sequencer queue) decides.
enum class PortTiming { Timed, Scheduled };

// "timed" or "scheduled", as `ctabber-cli ports` prints it.
const char* timingName(PortTiming timing);

class MidiPort {
public:
    virtual ~MidiPort() = default;
    // The name the port list shows.
    virtual std::string name() const = 0;
    // False when the port cannot be opened. Called only while closed.
    virtual bool open() = 0;
    // Called only while open.
    virtual void close() = 0;
    // Ends every sounding note on every channel, as a port reset does. While open.
    virtual void reset() = 0;
    // One whole message: a short message of 1 to 3 bytes, or a system-exclusive
    // message of any length. While open, from one thread at a time.
    virtual bool send(std::span<const std::uint8_t> message) = 0;
    // Empty while the port works; else a sentence saying why it stopped
    // working (a keyboard unplugged). Safe from any thread.
    virtual std::string status() const { return {}; }
    // Empty when what the port plays can be heard, as far as its last open
    // could tell; else a sentence saying why nothing is heard (no audio
    // output) and what to do instead. From the window thread.
    virtual std::string audioNotice() const { return {}; }

    // How the port plays what it is sent. While closed: how it plays once
    // open and heard; while open: how it plays now.
    virtual PortTiming timing() const { return PortTiming::Timed; }
    // Scheduled ports, while open: the millisecond of the port's clock that
    // is heard now, counting up from an arbitrary start.
    virtual std::uint64_t clockMs() const { return 0; }
    // Scheduled ports, while open: plays `message` when the clock reaches
    // `atMs` (at once when it has passed). A timed port plays it now.
    virtual bool sendAt(std::span<const std::uint8_t> message, std::uint64_t atMs) {
        (void)atMs;
        return send(message);
    }
    // Scheduled ports: the channel messages for the channels of `channels`
    // (bit c: channel c) that were sent ahead and have not sounded are
    // dropped. Nothing to do for a timed port.
    virtual void withdraw(std::uint16_t channels) { (void)channels; }
};

// Sustain pedal up and All Notes Off on every channel, sent at once: how a
// system port resets, having no reset of its own.
void sendResetMessages(MidiPort& port);

// What status() says of a system port that failed while sending, and of one
// that is gone.
std::string portStoppedText(const std::string& name);
std::string portGoneText(const std::string& name);

using PortList = std::vector<std::shared_ptr<MidiPort>>;
// Lists the ports present now, in the order the setup page shows them.
using PortSource = std::function<PortList()>;

}  // namespace playback
