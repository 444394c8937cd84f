#include "cli/args.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <set>

namespace cli {
namespace {

const std::set<std::string> kValueOptions = {"workdir", "type", "mid", "csm", "add", "assign", "ins", "section", "channel", "zone"};

std::filesystem::path makeTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ctabber-cli.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return std::filesystem::temp_directory_path();
    return pattern;
}

}  // namespace

std::optional<std::string> Args::option(const std::string& name) const {
    auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
}

std::optional<Args> parseArgs(int argc, char** argv) {
    Args args;
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

CallWorkspace::CallWorkspace(const Args& args)
    : temporary_(!args.option("workdir")),
      ws_(args.option("workdir") ? std::filesystem::path(*args.option("workdir")) : makeTempDir()) {}

CallWorkspace::~CallWorkspace() {
    if (temporary_) {
        std::error_code ec;
        std::filesystem::remove_all(ws_.dir(), ec);
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
