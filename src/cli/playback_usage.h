#pragma once
// The commands that list ports and play. They run in ctabber-cli-playback,
// the one command-line program linked with the synthesizer and MIDI port
// libraries, so that every other call starts without loading them (about 60
// shared libraries, several milliseconds a call). ctabber-cli hands these
// calls over to it unchanged.
#include <string_view>

namespace cli {

inline constexpr std::string_view kPlaybackProgram = "ctabber-cli-playback";

struct CommandText {
    std::string_view name;
    std::string_view usage;
};

inline constexpr CommandText kPortsCommand{"ports", "(the MIDI output ports, numbered as the setup page numbers them, and how each is timed)"};
inline constexpr CommandText kRenderCommand{"render", "FILE --section NAME --out OUT.wav [--loops N] [--mute CH,...]"};
// Handed over only with --wav; the rest of it runs in ctabber-cli.
inline constexpr CommandText kChordsCommand{
    "chords",
    "FILE --section NAME --progression TEXT [--once | --loops N] [--tempo BPM] [--mute CH,...] [--mid OUT.mid] "
    "[--wav OUT.wav]"};

}  // namespace cli
