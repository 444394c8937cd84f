#pragma once
// The instrument and system-exclusive names of a command that reads a file.
#include "cli/args.h"
#include "document/event_text.h"

namespace cli {

// Instrument names from "--ins FILE" (General MIDI names for "--ins="), or
// else from the "InsFile" setting of the program directory; descriptions
// from its "XGSystem.ini".
document::NameSources nameSourcesFor(const Args& args, const base::Workspace& workspace);

}  // namespace cli
