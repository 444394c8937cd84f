#include "playback/ports/fluid_synth.h"

#include <mutex>
#include <system_error>

namespace playback::ports {
namespace {

// FluidSynth reports missing audio devices and the like on stderr; the
// ports report what matters through their own results instead.
void quietLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
    });
}

}  // namespace

std::filesystem::path generalMidiSoundFont() {
    const std::filesystem::path dir = "/usr/share/sounds/sf2";
    for (const char* name : {"FluidR3_GM.sf2", "TimGM6mb.sf2", "default-GM.sf2"}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(dir / name, ec)) return dir / name;
    }
    return {};
}

Synth::Synth() {
    quietLog();
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
    fluid_settings_setstr(settings_, "synth.midi-bank-select", "xg");
    // The default gain of 0.2 leaves a General MIDI style faint; at 0.5 the
    // demo's eight parts peak near half of full scale.
    fluid_settings_setnum(settings_, "synth.gain", 0.5);
}

Synth::~Synth() {
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

bool Synth::make() {
    if (synth_) return true;
    if (!settings_) return false;
    synth_ = new_fluid_synth(settings_);
    if (!synth_) return false;
    const auto font = generalMidiSoundFont();
    soundFont_ = !font.empty() && fluid_synth_sfload(synth_, font.c_str(), 1) != FLUID_FAILED;
    return true;
}

bool Synth::send(std::span<const std::uint8_t> m) {
    if (!synth_ || m.empty()) return false;
    const std::uint8_t status = m[0];
    if (status == 0xF0) {
        // FluidSynth takes the bytes between F0 and F7.
        std::size_t length = m.size() - 1;
        if (length > 0 && m.back() == 0xF7) --length;
        return fluid_synth_sysex(synth_, reinterpret_cast<const char*>(m.data() + 1), static_cast<int>(length), nullptr,
                                 nullptr, nullptr, 0) == FLUID_OK;
    }
    if (status < 0x80 || status >= 0xF0) return true;  // nothing a synthesizer plays
    const int channel = status & 0x0F;
    const int a = m.size() > 1 ? m[1] : 0;
    const int b = m.size() > 2 ? m[2] : 0;
    int result = FLUID_OK;
    switch (status & 0xF0) {
        case 0x80: result = fluid_synth_noteoff(synth_, channel, a); break;
        case 0x90: result = fluid_synth_noteon(synth_, channel, a, b); break;
        case 0xA0: result = fluid_synth_key_pressure(synth_, channel, a, b); break;
        case 0xB0: result = fluid_synth_cc(synth_, channel, a, b); break;
        case 0xC0: result = fluid_synth_program_change(synth_, channel, a); break;
        case 0xD0: result = fluid_synth_channel_pressure(synth_, channel, a); break;
        default: result = fluid_synth_pitch_bend(synth_, channel, a | b << 7); break;
    }
    // A note-off for a note that does not sound is no failure.
    return result == FLUID_OK || (status & 0xF0) == 0x80 || ((status & 0xF0) == 0x90 && b == 0);
}

void Synth::silence() {
    if (!synth_) return;
    fluid_synth_all_notes_off(synth_, -1);
    fluid_synth_all_sounds_off(synth_, -1);
}

void Synth::resetState() {
    if (synth_) fluid_synth_system_reset(synth_);
}

}  // namespace playback::ports
