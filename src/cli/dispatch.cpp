#include "cli/dispatch.h"

#include <iostream>

#include "cli/call_folders.h"

namespace cli {
namespace {

int usage(const std::vector<Command>& commands) {
    std::cerr << "usage: ctabber-cli COMMAND ARGS [--workdir DIR]\n";
    for (const auto& c : commands) std::cerr << "  ctabber-cli " << c.name << ' ' << c.usage << '\n';
    return kUsage;
}

}  // namespace

int runInFolders(int (*run)(const Args& args), Args args) {
    std::string error;
    const auto folders = CallFolders::make(args, error);
    if (!folders) {
        std::cerr << "ctabber-cli: " << error << '\n';
        return kUsage;
    }
    args.workspace = &folders->workspace();
    return run(args);
}

int dispatch(const std::vector<Command>& commands, int argc, char** argv) {
    auto args = parseArgs(argc, argv);
    if (!args || args->command.empty()) return usage(commands);
    for (const auto& c : commands) {
        if (c.name != args->command) continue;
        if (!c.needsWorkspace) return c.run(*args);
        return runInFolders(c.run, *args);
    }
    std::cerr << "ctabber-cli: unknown command '" << args->command << "'\n";
    return usage(commands);
}

}  // namespace cli
