#include "casm/byte_editor.h"

#include <algorithm>
#include <cstdio>

namespace casm {

std::uint8_t readDecimalByte(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    unsigned value = 0;  // kept modulo 256, which is all that is stored
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = (value * 10 + static_cast<unsigned>(text[i] - '0')) & 0xFF;
    return static_cast<std::uint8_t>(negative ? (256 - value) & 0xFF : value);
}

std::uint8_t readHexByte(std::string_view text) {
    unsigned value = 0;
    for (char c : text) {
        unsigned digit = 0;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
        value = (value * 16 + digit) & 0xFF;
    }
    return static_cast<std::uint8_t>(value);
}

std::string formatByte(std::uint8_t value, bool hex) {
    char text[8];
    std::snprintf(text, sizeof text, hex ? "%02X" : "%03d", value);
    return text;
}

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
    return formatByte(entry[row.offset], hex);
}

void storeByteEditorText(Entry& entry, const ByteField& row, std::string_view text, bool hex) {
    if (row.offset == Name)
        entry.setName(text);
    else
        entry[row.offset] = hex ? readHexByte(text) : readDecimalByte(text);
}

bool applyEditedEntry(Entry& entry, const Entry& edited) {
    const auto before = entry.bytes();
    if (std::equal(before.begin(), before.end(), edited.ctab.begin())) return false;
    entry = edited;
    entry.changed = true;
    return true;
}

}  // namespace casm
