#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <tuple>

#include "cli/commands.h"
#include "cli/document_reading.h"
#include "events/event_filter.h"
#include "events/navigation.h"
#include "events/transpose.h"

namespace cli {
namespace {

// A whole decimal number in [low, high], or nothing.
std::optional<int> number(const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
    return value;
}

// "LO-HI" of two bytes 0 to 255, LO not above HI.
std::optional<std::pair<int, int>> byteRange(const std::string& text) {
    const auto dash = text.find('-');
    if (dash == std::string::npos) return std::nullopt;
    const auto low = number(text.substr(0, dash), 0, 255);
    const auto high = number(text.substr(dash + 1), 0, 255);
    if (!low || !high || *low > *high) return std::nullopt;
    return std::pair{*low, *high};
}

int badOption(std::string_view what) {
    std::cerr << "ctabber-cli: " << what << '\n';
    return kUsage;
}

// The Transpose command over all sections, or over the rows from the marker
// of --section to the next marker, then saved as "&Save as ..." saves.
int transpose(const Args& args) {
    if (args.positional.size() != 2 || !args.option("by") || !args.option("channel")) return kUsage;
    const auto by = number(*args.option("by"), -127, 127);
    if (!by) return badOption("--by takes a number of semitones from -127 to 127");
    const auto channel = number(*args.option("channel"), 1, 16);
    if (!channel) return badOption("--channel takes a channel from 1 to 16");
    if (filterFor(args, args.positional[1]) == 0) return unknownType();
    CallWorkspace call(args);
    document::Document doc;
    if (int status = readDocument(args, args.positional[0], doc, call.workspace()); status != kOk) return status;
    int first = 1;
    const auto section = args.option("section");
    if (section) {
        const auto marker = events::findMarker(doc.events, *section);
        if (!marker) {
            std::cerr << "ctabber-cli: " << args.positional[0] << " has no section \"" << *section << "\"\n";
            return kFailed;
        }
        first = marker->row + 1;
    }
    auto transposed = events::transposeNotes(doc.events, first, section.has_value(), *channel, *by);
    document::redo(doc.events, transposed.edit);
    return saveDocument(args, doc, args.positional[1], call.workspace());
}

// The rows "Select Events..." would select with the given filter, one grid
// row number a line.
int select(const Args& args) {
    if (args.positional.size() != 1 || !args.option("kind")) return kUsage;
    events::EventFilter filter;
    const auto kind = number(*args.option("kind"), 0, events::kFilterKindCount - 1);
    if (!kind) return badOption("--kind takes the filter's item number, 0 to 23");
    filter.kind = *kind;
    if (const auto text = args.option("channel")) {
        const auto channel = number(*text, 1, 16);
        if (!channel) return badOption("--channel takes a channel from 1 to 16");
        filter.channel = *channel;
        filter.anyChannel = false;
    }
    for (const auto& [name, low, high] : {std::tuple{"data1", &filter.data1Low, &filter.data1High},
                                          std::tuple{"data2", &filter.data2Low, &filter.data2High}}) {
        const auto text = args.option(name);
        if (!text) continue;
        const auto range = byteRange(*text);
        if (!range) return badOption(std::string("--") + name + " takes a range LO-HI of bytes 0 to 255");
        *low = static_cast<std::uint8_t>(range->first);
        *high = static_cast<std::uint8_t>(range->second);
    }
    CallWorkspace call(args);
    document::Document doc;
    const int status = readDocument(args, args.positional[0], doc, call.workspace());
    if (status == kUsage) return status;
    for (int r : events::filterFlips(doc.events, filter)) std::cout << r << '\n';
    return status;
}

}  // namespace

std::vector<Command> editCommands() {
    return {
        {"transpose", "IN OUT --by N --channel C [--section NAME] [--type T]", transpose},
        {"select", "IN --kind K [--channel C] [--data1 LO-HI] [--data2 LO-HI]", select},
    };
}

}  // namespace cli
