#include <iostream>

#include "cli/chords_run.h"
#include "cli/commands.h"
#include "cli/document_reading.h"
#include "cli/playback_usage.h"
#include "playback/collect_events.h"
#include "playback/midi_out.h"
#include "playback/ports/system_ports.h"
#include "playback/ports/wav_render.h"

namespace cli {
namespace {

int ports(const Args& args) {
    if (!args.positional.empty()) return kUsage;
    playback::CMIDIOUT out(playback::ports::systemPortSource());
    for (const auto& line : playback::portLines(out)) std::cout << line << '\n';
    return kOk;
}

int render(const Args& args) {
    const auto section = args.option("section");
    const auto target = args.option("out");
    const auto passes = wholeNumber(args.option("loops").value_or("1"), 1, 999);
    const auto switches = switchesWithout(args.option("mute").value_or(""));
    if (args.positional.size() != 1 || !section || !target || target->empty() || !passes || !switches) {
        std::cerr << "ctabber-cli: render needs --section NAME and --out FILE; --loops takes 1 to 999, "
                     "--mute channels 1 to 16 separated by commas\n";
        return kUsage;
    }
    CallWorkspace call(args);
    document::Document doc;
    if (int status = readDocument(args, args.positional[0], doc, call.workspace()); status != kOk) return status;
    if (doc.markers.empty()) {
        printMessage(false, "Player message", "No section to play...");
        return kFailed;
    }
    const auto timing = playback::playerTiming(doc);
    if (const auto check = playback::checkTiming(timing); !check.ok) {
        printMessage(false, check.message.caption, check.message.text);
        return kFailed;
    }
    playback::ports::RenderRequest request;
    request.timing = timing;
    request.passes = *passes;
    request.channelSwitches = *switches;
    playback::CollectEvents(request.startup, doc.events, std::nullopt);
    playback::CollectEvents(request.section, doc.events, *section);
    playback::padToBar(request.section, timing.division, timing.barNumerator);
    if (request.section.size() < 2) {
        printMessage(false, "Player message", "The section \"" + *section + "\" has nothing to play.");
        return kFailed;
    }
    const auto outcome = playback::ports::renderWav(request, *target, call.workspace().scratch());
    if (!outcome.ok) {
        printMessage(false, outcome.message.caption, outcome.message.text);
        return kFailed;
    }
    const auto ms = playback::runLengthMs(request.startup, request.section, timing, request.passes);
    printMessage(true, "Rendered", *target + "\t" + std::to_string(ms) + " ms");
    return kOk;
}

int chords(const Args& args) {
    return runChords(args, [&args](std::vector<playback::MidiEvent> startup, std::vector<playback::MidiEvent> played,
                                   const playback::Timing& timing, const std::string& target) {
        playback::ports::RenderRequest request;
        request.startup = std::move(startup);
        request.section = std::move(played);
        request.timing = timing;
        return playback::ports::renderWav(request, target, CallWorkspace(args).workspace().scratch());
    });
}

}  // namespace

std::vector<Command> playbackCommands() {
    return {
        {kPortsCommand.name, kPortsCommand.usage, ports},
        {kRenderCommand.name, kRenderCommand.usage, render},
        {kChordsCommand.name, kChordsCommand.usage, chords},
    };
}

}  // namespace cli
