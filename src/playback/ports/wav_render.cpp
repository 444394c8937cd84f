#include "playback/ports/wav_render.h"

#include <fcntl.h>
#include <unistd.h>

#include "base/file_io.h"
#include "playback/ports/fluid_synth.h"
#include "playback/ports/synth_port.h"

namespace playback::ports {
namespace {

// The scratch file the renderer writes, removed when the object goes.
struct ScratchFile {
    std::filesystem::path path;
    explicit ScratchFile(const std::filesystem::path& at) {
        const int fd = ::open(at.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) return;
        ::close(fd);
        path = at;
    }
    ~ScratchFile() {
        if (!path.empty()) ::unlink(path.c_str());
    }
};

base::Outcome renderFailure(const std::string& text, int textId = 0) { return base::failure("Error", 366, text, textId); }

}  // namespace

base::Outcome renderWav(const RenderRequest& request, const std::filesystem::path& target,
                        const std::filesystem::path& scratchFile) {
    if (const auto timing = checkTiming(request.timing); !timing.ok) return timing;
    const std::uint64_t lengthMs = runLengthMs(request.startup, request.section, request.timing, request.passes);
    if (lengthMs > kMaxRenderMs)
        return renderFailure("The rendering would last " + std::to_string(lengthMs / 60000) +
                             " minutes; renderings are limited to 60 minutes.");
    ScratchFile scratch(scratchFile);
    if (scratch.path.empty()) return renderFailure("Unable to create a temporary file...", 101);

    Synth synth;
    fluid_settings_setstr(synth.settings(), "audio.file.name", scratch.path.c_str());
    fluid_settings_setstr(synth.settings(), "audio.file.type", "wav");
    fluid_settings_setstr(synth.settings(), "audio.file.format", "s16");
    if (!synth.make()) return renderFailure("The built-in synthesizer cannot be started.");
    if (!synth.hasSoundFont()) return renderFailure("No General MIDI SoundFont is installed (timgm6mb-soundfont).");
    fluid_file_renderer_t* renderer = new_fluid_file_renderer(synth.synth());
    if (!renderer) return renderFailure(scratch.path.string());
    int period = 64;
    fluid_settings_getint(synth.settings(), "audio.period-size", &period);

    // Timed: the player's steps are interleaved with the rendering below.
    auto port = std::make_shared<SynthPort>(synth, PortTiming::Timed);
    CMIDIOUT out([port] { return PortList{port}; });
    out.SetActive(true);
    PlayerControls controls;
    controls.channelSwitches = request.channelSwitches;
    Player player(request.startup, request.section, request.timing, controls);

    // The samples up to millisecond `ms`, to within half a block.
    std::uint64_t frames = 0;
    bool written = true;
    auto renderUntil = [&](std::uint64_t ms) {
        const std::uint64_t due = ms * kSampleRate / 1000;
        while (written && frames + static_cast<std::uint64_t>(period) / 2 < due) {
            written = fluid_file_renderer_process_block(renderer) == FLUID_OK;
            frames += static_cast<std::uint64_t>(period);
        }
    };
    auto step = player.start(out);
    while (player.sectionPasses() < request.passes && !step.finished && written) {
        renderUntil(player.runMs() + kPeriodMs);
        step = player.tick(out);
    }
    renderUntil(player.runMs());
    out.SetActive(false);
    delete_fluid_file_renderer(renderer);
    if (!written || !base::copyFileAtomic(scratch.path, target))
        return base::failure("Write error", 102, target.string());
    return {};
}

}  // namespace playback::ports
