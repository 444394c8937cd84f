#include <iostream>

#include "app/termination.h"
#include "cli/call_folders.h"
#include "cli/commands.h"

namespace {

std::vector<cli::Command> allCommands() {
    std::vector<cli::Command> all;
    for (auto table : {cli::documentCommands, cli::editCommands, cli::casmCommands, cli::toolsCommands, cli::playbackCommands})
        for (const auto& c : table()) all.push_back(c);
    return all;
}

int usage(const std::vector<cli::Command>& commands) {
    std::cerr << "usage: ctabber-cli COMMAND ARGS [--workdir DIR]\n";
    for (const auto& c : commands) std::cerr << "  ctabber-cli " << c.name << ' ' << c.usage << '\n';
    return cli::kUsage;
}

}  // namespace

int main(int argc, char** argv) {
    // Ctrl+C, SIGTERM and the like remove the call's folders and temporary
    // files; a file-size limit is a failed write.
    app::handleTermination();
    const auto commands = allCommands();
    auto args = cli::parseArgs(argc, argv);
    if (!args || args->command.empty()) return usage(commands);
    for (const auto& c : commands) {
        if (c.name != args->command) continue;
        if (!c.needsWorkspace) return c.run(*args);
        std::string error;
        const auto folders = cli::CallFolders::make(*args, error);
        if (!folders) {
            std::cerr << "ctabber-cli: " << error << '\n';
            return cli::kUsage;
        }
        args->workspace = &folders->workspace();
        return c.run(*args);
    }
    std::cerr << "ctabber-cli: unknown command '" << args->command << "'\n";
    return usage(commands);
}
