#pragma once
// The MIDI output port the program plays through: one of the listed ports,
// chosen by index, opened and closed by the player and the setup page's test.
// No operation shows a message: a port that cannot be opened leaves the object
// closed and every send returns false.
//
// Threads: SelectDevice, SetActive and refresh belong to the window thread and
// are called only while no player thread runs; the sends are called by one
// thread at a time (the player thread while it runs).
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "playback/midi_port.h"

namespace playback {

class CMIDIOUT {
public:
    // Lists the ports at once; port 0 is chosen.
    explicit CMIDIOUT(PortSource source);
    ~CMIDIOUT();
    CMIDIOUT(const CMIDIOUT&) = delete;
    CMIDIOUT& operator=(const CMIDIOUT&) = delete;

    unsigned portCount() const { return static_cast<unsigned>(ports_.size()); }
    // Lists the ports again (a keyboard plugged in since); an open port is
    // closed first. The chosen index stays when it is still in range, else 0.
    void refresh();
    std::vector<std::string> names() const;
    // How port `index` plays; timed for an index out of range.
    PortTiming portTiming(std::size_t index) const;

    // An index not below the port count is ignored; a negative one counts as
    // 0. An open port is closed first. Selecting never opens.
    void SelectDevice(int index);
    // true: opens the chosen port and resets it; false: resets and closes.
    // Opening an open port, or closing a closed one, does nothing.
    void SetActive(bool active);
    // The chosen port's name; empty when there is no port.
    std::string DeviceName() const;

    bool SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
    // A short message packed as status + data1 * 256 + data2 * 65536; only
    // the bytes its status calls for are sent.
    bool SendPacked(std::uint32_t message);
    // A system-exclusive message, whole whatever its length.
    bool SendLong(std::span<const std::uint8_t> bytes);
    // All Notes Off at once on each channel of `channels` (bit c: channel
    // c), after the messages a scheduled port holds for them are withdrawn,
    // so nothing sent ahead sounds after it. Never stamped.
    void Silence(std::uint16_t channels);

    // How the chosen port plays (see MidiPort::timing) and, while it is open
    // and scheduled, its clock.
    PortTiming timing() const;
    std::uint64_t clockMs() const;
    // With a millisecond, the sends that follow go to a scheduled port
    // stamped with it; without one they play at once. A timed port plays
    // every send at once either way.
    void stampSends(std::optional<std::uint64_t> atMs) { stamp_ = atMs; }

    bool opened() const { return opened_; }
    int deviceId() const { return deviceId_; }
    // The open port's trouble, empty when it works or nothing is open.
    std::string status() const;
    // Why the chosen port, when it was last opened, could not be heard;
    // empty when it could (or there is no port).
    std::string audioNotice() const;

private:
    PortSource source_;
    PortList ports_;
    int deviceId_ = 0;
    bool opened_ = false;
    std::optional<std::uint64_t> stamp_;

    bool sendNowOrStamped(std::span<const std::uint8_t> message);
};

// `ctabber-cli ports`: one line per port, its index, its name and how it is
// timed ("0\tBuilt-in synthesizer (FluidSynth)\tscheduled").
std::vector<std::string> portLines(const CMIDIOUT& out);

// The port list of the setup page, listed afresh, in index order. The chosen
// port stays chosen.
std::vector<std::string> portNames(CMIDIOUT& out);

// The setup page's "Test": chooses port `index`, opens it and sends program 0
// and note 48 at velocity 127 on channel 1. testNoteOff ends the note; the
// caller sends it kTestNoteMs later.
inline constexpr int kTestNoteMs = 2000;
void testNoteOn(CMIDIOUT& out, int index);
void testNoteOff(CMIDIOUT& out);

}  // namespace playback
