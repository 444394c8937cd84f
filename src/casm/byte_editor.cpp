#include "casm/byte_editor.h"

#include "base/byte_text.h"

#include <algorithm>

namespace casm {

std::vector<ByteField> byteEditorRows(int length) {
    std::vector<ByteField> rows;
    for (const ByteField& field : byteFields(kindOfLength(length).value_or(TableKind::Ctab))) {
        if (field.offset >= length && field.offset > unkn26) break;
        rows.push_back(field);
        if (field.offset == Track) rows.push_back({"Name", Name});
    }
    return rows;
}

std::string byteEditorText(const Entry& entry, const ByteField& row, bool hex) {
    if (row.offset == Name) return entry.name();
    return base::formatByte(entry[row.offset], hex);
}

void storeByteEditorText(Entry& entry, const ByteField& row, std::string_view text, bool hex) {
    if (row.offset == Name)
        entry.setName(text);
    else
        entry[row.offset] = hex ? base::readHexByte(text) : base::readDecimalByte(text);
}

bool applyEditedEntry(Entry& entry, const Entry& edited) {
    const auto before = entry.bytes();
    if (std::equal(before.begin(), before.end(), edited.ctab.begin())) return false;
    entry = edited;
    entry.changed = true;
    return true;
}

}  // namespace casm
