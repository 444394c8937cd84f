#pragma once
// A section rendered by the built-in synthesizer into a 44.1 kHz stereo WAV
// file, faster than real time and without an audio device: the player's own
// stepping logic drives the synthesizer, and FluidSynth's file renderer
// writes the samples of each millisecond before the next step.
#include <filesystem>

#include "base/message.h"
#include "playback/player.h"

namespace playback::ports {

struct RenderRequest {
    std::vector<MidiEvent> startup;
    std::vector<MidiEvent> section;  // padded to the bar
    Timing timing;
    int passes = 1;                        // how often the section plays
    std::uint16_t channelSwitches = 0xFFFF;  // bit c: channel c plays
};

// Longer renders are refused: an hour of audio is about 600 MB.
inline constexpr std::uint64_t kMaxRenderMs = 60ull * 60 * 1000;

// Writes `target` all or nothing: the start-up list once, then the section
// `passes` times, runLengthMs() long. The samples go first to `scratchFile`
// (the working folder's scratch file, which a terminating signal removes
// with the folder), which is removed when done.
base::Outcome renderWav(const RenderRequest& request, const std::filesystem::path& target,
                        const std::filesystem::path& scratchFile);

}  // namespace playback::ports
