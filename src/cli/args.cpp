#include "cli/args.h"

#include <iostream>
#include <set>

namespace cli {
namespace {

const std::set<std::string> kValueOptions = {"workdir", "type", "mid",  "csm",     "add",  "assign", "ins",   "section",
                                             "out",     "loops", "mute", "channel", "zone", "by",     "kind",  "data1",
                                             "data2"};

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
