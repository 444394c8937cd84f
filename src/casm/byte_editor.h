#pragma once
// The rules of the CASM byte editor: which fields an entry shows, and how
// a row is shown and stored (base/byte_text.h: no value is refused, a
// number is stored modulo 256).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "casm/entry.h"

namespace casm {

// The rows of the editor for an entry length: "Track", "Name" (offset 1,
// the 8 characters), then one row per further byte. A Ctab entry shows
// "MidiChan" ... "unkn26", then unkn27-30, unkn31-32 and unkn33-34 as its
// length holds them; a Ctb2 entry (47) shows all its bytes, "MidiChan" to
// "unkn46" (byteFields).
std::vector<ByteField> byteEditorRows(int length);
// The text of a row, and a typed text stored into the entry.
std::string byteEditorText(const Entry& entry, const ByteField& row, bool hex);
void storeByteEditorText(Entry& entry, const ByteField& row, std::string_view text, bool hex);

// OK of the editor: when the Ctab bytes of the edited copy differ, the copy
// replaces the entry and the entry is marked changed. True when it did.
bool applyEditedEntry(Entry& entry, const Entry& edited);

}  // namespace casm
