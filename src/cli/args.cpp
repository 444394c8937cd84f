#include "cli/args.h"

#include <charconv>
#include <iostream>
#include <set>

namespace cli {
namespace {

const std::set<std::string> kValueOptions = {"workdir", "type", "mid",  "csm",     "add",  "assign", "ins",   "section",
                                             "out",     "loops", "mute", "channel", "zone", "by",     "kind",  "data1",
                                             "data2",   "progression", "tempo", "wav"};

}  // namespace

std::optional<std::string> Args::option(const std::string& name) const {
    auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
}

std::optional<Args> parseArgs(int argc, char** argv) {
    Args args;
    args.argv = argv;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a.size() > 2 && a.rfind("--", 0) == 0) {
            std::string name = a.substr(2);
            std::string value;
            if (auto eq = name.find('='); eq != std::string::npos) {
                value = name.substr(eq + 1);
                name.resize(eq);
            } else if (kValueOptions.count(name)) {
                if (i + 1 >= argc) return std::nullopt;
                value = argv[++i];
            }
            args.options[name] = value;
        } else if (args.command.empty()) {
            args.command = a;
        } else {
            args.positional.push_back(a);
        }
    }
    return args;
}

std::optional<int> wholeNumber(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
    return value;
}

std::optional<std::uint16_t> switchesWithout(std::string_view list) {
    std::uint16_t switches = 0xFFFF;
    if (list.empty()) return switches;
    // Every piece between commas names a channel: "1,,2" and "1,2," are refused alike.
    for (;;) {
        const auto comma = list.find(',');
        const auto channel = wholeNumber(list.substr(0, comma), 1, 16);
        if (!channel) return std::nullopt;
        switches = static_cast<std::uint16_t>(switches & ~(1u << (*channel - 1)));
        if (comma == std::string_view::npos) return switches;
        list = list.substr(comma + 1);
    }
}

std::string escapeCell(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: out += c;
        }
    }
    return out;
}

void printMessage(bool ok, const std::string& caption, const std::string& text) {
    (ok ? std::cout : std::cerr) << caption << '\t' << text << '\n';
}

}  // namespace cli
