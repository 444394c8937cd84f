#include <charconv>
#include <iostream>

#include "cli/commands.h"
#include "cli/document_reading.h"
#include "cli/playback_usage.h"
#include "playback/collect_events.h"
#include "playback/midi_out.h"
#include "playback/ports/system_ports.h"
#include "playback/ports/wav_render.h"

namespace cli {
namespace {

// A whole number from `low` to `high`, or nothing.
std::optional<int> number(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
    return value;
}

// "--mute 2,10": the channel switches with those channels (1 to 16) off.
std::optional<std::uint16_t> switchesWithout(std::string_view list) {
    std::uint16_t switches = 0xFFFF;
    if (list.empty()) return switches;
    // Every piece between commas names a channel: "1,,2" and "1,2," are refused alike.
    for (;;) {
        const auto comma = list.find(',');
        const auto channel = number(list.substr(0, comma), 1, 16);
        if (!channel) return std::nullopt;
        switches = static_cast<std::uint16_t>(switches & ~(1u << (*channel - 1)));
        if (comma == std::string_view::npos) return switches;
        list = list.substr(comma + 1);
    }
}

int ports(const Args& args) {
    if (!args.positional.empty()) return kUsage;
    playback::CMIDIOUT out(playback::ports::systemPortSource());
    const auto names = out.names();
    for (std::size_t i = 0; i < names.size(); ++i) std::cout << i << '\t' << names[i] << '\n';
    return kOk;
}

int render(const Args& args) {
    const auto section = args.option("section");
    const auto target = args.option("out");
    const auto passes = number(args.option("loops").value_or("1"), 1, 999);
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

}  // namespace

std::vector<Command> playbackCommands() {
    return {
        {kPortsCommand.name, kPortsCommand.usage, ports},
        {kRenderCommand.name, kRenderCommand.usage, render},
    };
}

}  // namespace cli
