#include <gtest/gtest.h>

#include "playback/midi_event.h"
#include "playback/midi_out.h"
#include "playback/recording_port.h"

using namespace playback;
using Kind = RecordingPort::Kind;

namespace {

struct TwoPorts {
    std::shared_ptr<RecordingPort> first = std::make_shared<RecordingPort>("First");
    std::shared_ptr<RecordingPort> second = std::make_shared<RecordingPort>("Second");
    CMIDIOUT out{[this] { return PortList{first, second}; }};
};

std::vector<Kind> kinds(const RecordingPort& port) {
    std::vector<Kind> out;
    for (const auto& e : port.entries()) out.push_back(e.kind);
    return out;
}

}  // namespace

TEST(MidiOut, WithoutPortsNothingOpensAndEverySendFailsQuietly) {
    CMIDIOUT out([] { return PortList{}; });
    EXPECT_EQ(out.portCount(), 0u);
    out.SelectDevice(-1);
    out.SelectDevice(0);
    EXPECT_EQ(out.deviceId(), 0);
    EXPECT_EQ(out.DeviceName(), "");
    out.SetActive(true);
    EXPECT_FALSE(out.opened());
    EXPECT_FALSE(out.SendShort(0x90, 48, 127));
    EXPECT_FALSE(out.SendLong(std::vector<std::uint8_t>{0xF0, 0x7E, 0xF7}));
    out.SetActive(false);
    EXPECT_TRUE(portNames(out).empty());
}

TEST(MidiOut, SelectingOpeningAndClosing) {
    TwoPorts p;
    EXPECT_EQ(p.out.names(), (std::vector<std::string>{"First", "Second"}));
    p.out.SelectDevice(1);
    EXPECT_EQ(p.out.DeviceName(), "Second");
    // Out of range leaves the choice; negative counts as 0.
    p.out.SelectDevice(2);
    EXPECT_EQ(p.out.deviceId(), 1);
    p.out.SelectDevice(-1);
    EXPECT_EQ(p.out.deviceId(), 0);

    // Every open is followed by a reset, every close preceded by one; twice does nothing more.
    p.out.SetActive(true);
    p.out.SetActive(true);
    EXPECT_TRUE(p.out.opened());
    p.out.SetActive(false);
    p.out.SetActive(false);
    EXPECT_EQ(kinds(*p.first), (std::vector<Kind>{Kind::Open, Kind::Reset, Kind::Reset, Kind::Close}));

    // Selecting closes the open port first and never opens the new one.
    p.first->clear();
    p.out.SetActive(true);
    p.out.SelectDevice(1);
    EXPECT_FALSE(p.out.opened());
    EXPECT_EQ(kinds(*p.first), (std::vector<Kind>{Kind::Open, Kind::Reset, Kind::Reset, Kind::Close}));
    EXPECT_TRUE(p.second->entries().empty());
    EXPECT_EQ(p.out.DeviceName(), "Second");

    // A port that refuses to open leaves the object closed.
    p.second->refuseOpen(true);
    p.out.SetActive(true);
    EXPECT_FALSE(p.out.opened());
    EXPECT_FALSE(p.out.SendPacked(0x007F3090));
    EXPECT_TRUE(p.second->entries().empty());
}

TEST(MidiOut, SendsOnlyTheBytesEachMessageHasAndSystemExclusiveWhole) {
    EXPECT_EQ(packMessage(0x90, 48, 127), 0x007F3090u);
    TwoPorts p;
    p.out.SetActive(true);
    EXPECT_TRUE(p.out.SendShort(0x90, 48, 127));
    EXPECT_TRUE(p.out.SendPacked(packMessage(0xC3, 5, 0)));
    EXPECT_TRUE(p.out.SendPacked(packMessage(0xD0, 0x40, 0)));
    EXPECT_TRUE(p.out.SendPacked(packMessage(0xE1, 0x00, 0x40)));
    // A data byte is no status: nothing goes out.
    EXPECT_FALSE(p.out.SendPacked(0x3C));
    std::vector<std::uint8_t> sysex(5000, 0x11);
    sysex.front() = 0xF0;
    sysex.back() = 0xF7;
    EXPECT_TRUE(p.out.SendLong(sysex));
    EXPECT_EQ(p.first->sent(), (std::vector<std::vector<std::uint8_t>>{
                                   {0x90, 48, 127}, {0xC3, 5}, {0xD0, 0x40}, {0xE1, 0x00, 0x40}, sysex}));
}

TEST(MidiOut, ListingAfreshKeepsTheChoiceAndTheTestNote) {
    bool keyboardPlugged = false;
    auto synth = std::make_shared<RecordingPort>("Synth");
    auto keys = std::make_shared<RecordingPort>("Keys");
    CMIDIOUT out([&] { return keyboardPlugged ? PortList{synth, keys} : PortList{synth}; });
    out.SelectDevice(1);  // not there yet
    EXPECT_EQ(out.deviceId(), 0);
    keyboardPlugged = true;
    EXPECT_EQ(portNames(out), (std::vector<std::string>{"Synth", "Keys"}));
    EXPECT_EQ(out.deviceId(), 0);

    testNoteOn(out, 1);
    EXPECT_TRUE(out.opened());
    testNoteOff(out);
    EXPECT_EQ(keys->sent(), (std::vector<std::vector<std::uint8_t>>{{0xC0, 0}, {0x90, 48, 127}, {0x80, 48, 127}}));
    // The keyboard goes away: the list shrinks, the open port is closed, port 0 is chosen.
    keyboardPlugged = false;
    EXPECT_EQ(portNames(out), (std::vector<std::string>{"Synth"}));
    EXPECT_FALSE(out.opened());
    EXPECT_EQ(keys->entries().back().kind, Kind::Close);
    EXPECT_EQ(out.deviceId(), 0);
}

TEST(MidiOut, AVanishedPortSaysSoWhileOpen) {
    TwoPorts p;
    EXPECT_EQ(p.out.status(), "");
    p.out.SetActive(true);
    p.first->vanish();
    EXPECT_EQ(p.out.status(), "The MIDI port \"First\" is no longer there.");
    EXPECT_FALSE(p.out.SendShort(0x90, 60, 100));
    p.out.SetActive(false);
    EXPECT_EQ(p.out.status(), "");
}
