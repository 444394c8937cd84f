#pragma once
// The rules of the CASM byte editor: which fields an entry shows, how a
// byte is shown, and how a typed text becomes a byte. No value is refused:
// a number is stored modulo 256.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "casm/entry.h"

namespace casm {

// Leading white space skipped, an optional sign, then decimal digits up to
// the first other character (none gives 0); the low 8 bits.
std::uint8_t readDecimalByte(std::string_view text);
// Every character one hex digit (anything but 0-9, A-F, a-f counts as 0),
// accumulated over the whole text; the low 8 bits.
std::uint8_t readHexByte(std::string_view text);
// "%03d" or "%02X".
std::string formatByte(std::uint8_t value, bool hex);

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
