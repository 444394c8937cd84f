#include "casm/ctab_file.h"

#include <vector>

#include "base/file_io.h"

namespace casm {

std::string_view entryFileExtension(TableKind kind) { return kind == TableKind::Ctb2 ? ".Ctb2" : ".Ctab"; }

bool saveCtabFile(const std::filesystem::path& path, const Entry& entry) {
    return base::writeFileAtomic(path, toRecord(entry));
}

EntryFileRead loadCtabFile(const std::filesystem::path& path, const base::Language& language) {
    EntryFileRead result;
    auto refuse = [&](std::string why) {
        result.failure = base::Message{path.string(), std::move(why), base::Icon::Error, 0, 0};
        return result;
    };
    // A regular file only (a pipe would block the window), and no larger than the longer record.
    const auto read = base::readRegularFile(path, kCtb2RecordSize);
    if (!read.bytes && !read.tooLarge) return refuse(language.text(83, "Unable to open the file..."));
    const std::size_t got = read.bytes ? read.bytes->size() : kCtb2RecordSize + 1;
    if (got != kRecordSize && got != kCtb2RecordSize) {
        const std::string size = got > kCtb2RecordSize ? "more than 92" : std::to_string(got);
        return refuse("The file holds " + size + " bytes; a .Ctab entry takes 80 bytes, a .Ctb2 entry 92.");
    }
    const std::vector<std::uint8_t>& record = *read.bytes;
    if (auto fault = recordFault(record)) return refuse(std::move(*fault));
    result.entry = fromRecord(record);
    result.entry->changed = true;
    return result;
}

}  // namespace casm
