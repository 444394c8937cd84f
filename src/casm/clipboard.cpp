#include "casm/clipboard.h"

#include <algorithm>
#include <string>

#include "base/file_io.h"
#include "base/profile.h"

namespace casm {
namespace {

// A value on one INI line: line breaks would cut it.
std::string oneLine(std::string text) {
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

}  // namespace

bool writeClipboard(const std::filesystem::path& file, std::span<const Entry> entries) {
    if (!base::removeFile(file)) return false;
    if (entries.empty()) return true;
    base::Profile profile(file);
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const Entry& e = entries[k];
        const std::string section = std::to_string(k);
        profile.writeInt(section, "CasmLen", e.length);
        profile.writeString(section, "Section", oneLine(e.section));
        for (const ByteField& field : byteFields(e.kind())) {
            profile.writeInt(section, field.name, e[field.offset]);
            if (field.offset == Track) profile.writeString(section, "Name", e.name());
        }
    }
    return profile.save();
}

std::vector<Entry> readClipboard(const std::filesystem::path& file) {
    std::vector<Entry> entries;
    const base::Profile profile(file);
    for (std::size_t k = 0;; ++k) {
        const std::string section = std::to_string(k);
        if (!profile.hasSection(section)) break;
        const int length = profile.readInt(section, "CasmLen", 0);
        std::string name = profile.readString(section, "Section", "");
        const int track = profile.readInt(section, "Track", 0) & 0xFF;
        const auto kind = kindOfLength(length);
        if (!kind || name.empty() || name.size() > kMaxSectionName || track > 15) break;
        const Entry defaults = unmutedEntry(*kind);
        Entry e;
        e.length = static_cast<std::uint8_t>(length);
        e.section = std::move(name);
        for (const ByteField& field : byteFields(*kind))
            if (field.offset < length)
                e[field.offset] = static_cast<std::uint8_t>(profile.readInt(section, field.name, defaults[field.offset]));
        e.setName(profile.readString(section, "Name", ""));
        e.changed = true;
        entries.push_back(std::move(e));
    }
    return entries;
}

}  // namespace casm
