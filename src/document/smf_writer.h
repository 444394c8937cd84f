#pragma once
// Writing the document: the MIDI part rebuilt from the rows as a format-0
// file, then the CASM section and the add part from the working files.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/file_io.h"
#include "base/language.h"
#include "base/message.h"
#include "base/workspace.h"
#include "document/document.h"

namespace document {

// The save dialog's filters, by index: 1 MIDI, 2 PSR style, 3-7 Tyros family.
enum SaveFilter : int { FilterMid = 1, FilterSty, FilterBcs, FilterPrs, FilterSst, FilterPst, FilterPcs };
// ".mid", ".sty", ... for filters 1 to 7; "" for any other index.
std::string_view filterExtension(int filter);
// The filter whose extension `name` has (without regard to case), or 0.
int filterForName(const std::filesystem::path& name);
// Appends the filter's extension unless the name already ends in it
// (compared without regard to case): "x.txt" with MIDI gives "x.txt.mid".
std::string applyExtensionRule(const std::string& name, int filter);
// What the save dialog's choice writes: a name that ends in the extension of
// a type the program writes is saved as that type whatever filter was chosen
// (the filter follows the name); any other name gets the filter's extension.
struct SaveTarget {
    std::string name;
    int filter = FilterMid;
};
SaveTarget saveTarget(const std::string& name, int filter);

// Appends a variable-length quantity.
void appendVarLen(base::Bytes& out, std::uint32_t value);
// The bytes of one event row: Tick+, Event bytes, then the data by kind.
void encodeRow(const EventList& list, int r, base::Bytes& out);
// Header, track header and all encoded rows 1 to N.
base::Bytes midiPartBytes(const Document& doc);

// "&Save as ..." once the name is chosen: refuses formats other than 0,
// writes the pieces the filter takes, all or nothing. The message is the one
// the message box shows (success or failure); a ".sty" save of a document
// with an add part notes how many of its bytes were left out.
base::Outcome saveAs(const Document& doc, const std::filesystem::path& target, int filter,
                    const base::Workspace& ws, const base::Language& lang = base::builtinLanguage());

// Writes `bytes` to `target` all or nothing, with the messages of a save:
// "Unable to create the file" (with why, when the target itself is refused)
// or "Write error" (a full disk or a file-size limit included).
base::Outcome writeAll(const std::filesystem::path& target, const base::Bytes& bytes,
                       const base::Language& lang = base::builtinLanguage());

// The warning of a save that leaves the working add part out: its size and
// `why`; empty when there is no add part.
std::string leftOutAddPart(const base::Workspace& ws, std::string_view why);

// The MIDI part alone, all or nothing (used by export and the "br" batch).
base::Outcome writeMidiPart(const Document& doc, const std::filesystem::path& target,
                           const base::Language& lang = base::builtinLanguage());

}  // namespace document
