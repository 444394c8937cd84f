// ctabber-cli's side of the playback commands: the call is run again, as it
// was made, by ctabber-cli-playback from the folder of this executable.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <vector>

#include "cli/chords_run.h"
#include "cli/commands.h"
#include "cli/dispatch.h"
#include "cli/playback_usage.h"

namespace cli {
namespace {

int handOff(const Args& args) {
    // Never a program of that name from the current folder or the PATH.
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const auto program = self.parent_path() / kPlaybackProgram;
    // The same words, so messages still name ctabber-cli.
    if (!ec && self.is_absolute()) ::execv(program.c_str(), args.argv);
    std::cerr << "ctabber-cli: " << args.command << " needs " << program.string() << ": " << std::strerror(errno)
              << '\n';
    return kUsage;
}

int chordsWithoutWav(const Args& args) { return runChords(args, {}); }

// Only a call that renders needs the synthesizer.
int chords(const Args& args) {
    if (args.option("wav")) return handOff(args);
    return runInFolders(chordsWithoutWav, args);
}

}  // namespace

std::vector<Command> playbackHandOffCommands() {
    return {
        {kPortsCommand.name, kPortsCommand.usage, handOff, false},
        {kRenderCommand.name, kRenderCommand.usage, handOff, false},
        {kChordsCommand.name, kChordsCommand.usage, chords, false},
    };
}

}  // namespace cli
