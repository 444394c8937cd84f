#include "base/termination.h"
#include "cli/dispatch.h"

int main(int argc, char** argv) {
    // Ctrl+C, SIGTERM and the like remove the call's folders and temporary
    // files; a file-size limit is a failed write.
    base::handleTermination();
    std::vector<cli::Command> all;
    for (auto table : {cli::documentCommands, cli::editCommands, cli::casmCommands, cli::toolsCommands,
                       cli::playbackHandOffCommands})
        for (const auto& c : table()) all.push_back(c);
    return cli::dispatch(all, argc, argv);
}
