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
};

using PortList = std::vector<std::shared_ptr<MidiPort>>;
// Lists the ports present now, in the order the setup page shows them.
using PortSource = std::function<PortList()>;

}  // namespace playback
