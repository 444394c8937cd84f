// ctabber-cli-playback: the commands that need the synthesizer or the MIDI
// ports, run when ctabber-cli hands such a call over.
#include "base/termination.h"
#include "cli/dispatch.h"

int main(int argc, char** argv) {
    base::handleTermination();
    return cli::dispatch(cli::playbackCommands(), argc, argv);
}
