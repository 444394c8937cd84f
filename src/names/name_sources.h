#pragma once
// The names the event texts take from this subsystem's files.
#include <filesystem>
#include <memory>

#include "app/workspace.h"
#include "document/event_text.h"
#include "names/instrument_definitions.h"
#include "names/sysex_descriptions.h"

namespace names {

// Instrument names from the definition file `insFile` (General MIDI names
// when it is empty) and system-exclusive descriptions from the program
// directory's "XGSystem.ini" (none when it is absent).
document::NameSources nameSources(const app::Workspace& workspace, const std::filesystem::path& insFile);

// The same over objects the caller keeps: the window that shows bank names
// shares the definitions object with the event texts.
document::NameSources nameSources(std::shared_ptr<InstrumentDefinitions> definitions,
                                  std::shared_ptr<const SysexDescriptions> descriptions);

// The "InsFile" setting of the program directory's settings file.
std::filesystem::path insFileSetting(const app::Workspace& workspace);

}  // namespace names
