#pragma once
// The commands of ctabber-cli, one table per subsystem.
#include <string_view>
#include <vector>

#include "cli/args.h"

namespace cli {

struct Command {
    std::string_view name;
    std::string_view usage;
    int (*run)(const Args& args);
    bool needsWorkspace = true;  // main() makes the call's folders first
};

std::vector<Command> documentCommands();
std::vector<Command> casmCommands();
std::vector<Command> editCommands();
std::vector<Command> toolsCommands();
// Run by ctabber-cli-playback; ctabber-cli's entries of the same names hand
// the call over to it (see playback_usage.h).
std::vector<Command> playbackCommands();
std::vector<Command> playbackHandOffCommands();

}  // namespace cli
