#include "casm/ctab_file.h"

#include <fstream>
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
    std::ifstream in(path, std::ios::binary);
    if (!in) return refuse(language.text(83, "Unable to open the file..."));
    // One byte more than the longer record tells a record from a longer file.
    std::vector<char> buffer(kCtb2RecordSize + 1);
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got != kRecordSize && got != kCtb2RecordSize) {
        const std::string size = got > kCtb2RecordSize ? "more than 92" : std::to_string(got);
        return refuse("The file holds " + size + " bytes; a .Ctab entry takes 80 bytes, a .Ctb2 entry 92.");
    }
    const std::vector<std::uint8_t> record(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(got));
    if (auto fault = recordFault(record)) return refuse(std::move(*fault));
    result.entry = fromRecord(record);
    result.entry->changed = true;
    return result;
}

}  // namespace casm
