#pragma once
// The part of main() that both command-line programs share.
#include <vector>

#include "cli/commands.h"

namespace cli {

// Runs the command argv[1] names, after making the call's folders when it
// needs them; an unknown or missing command prints the usage of `commands`.
int dispatch(const std::vector<Command>& commands, int argc, char** argv);

// Runs `run` after making the call's folders (removed when it returns), for
// a command that decides itself whether it needs them.
int runInFolders(int (*run)(const Args& args), Args args);

}  // namespace cli
