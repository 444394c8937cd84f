#pragma once
// The names the event texts take from this subsystem's files.
#include <filesystem>
#include <memory>

#include "base/workspace.h"
#include "document/event_text.h"
#include "names/instrument_definitions.h"
#include "names/sysex_descriptions.h"

namespace document {

// Instrument names from the definition file `insFile` (General MIDI names
// when it is empty) and system-exclusive descriptions from the program
// directory's "XGSystem.ini" (none when it is absent).
NameSources nameSources(const base::Workspace& workspace, const std::filesystem::path& insFile);

// The same over objects the caller keeps: the window that shows bank names
// shares the definitions object with the event texts.
NameSources nameSources(std::shared_ptr<names::InstrumentDefinitions> definitions,
                                  std::shared_ptr<const names::SysexDescriptions> descriptions);

// The "InsFile" setting of the program directory's settings file.
std::filesystem::path insFileSetting(const base::Workspace& workspace);

}  // namespace document
