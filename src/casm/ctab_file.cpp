#include "casm/ctab_file.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "app/file_io.h"

namespace casm {

std::string_view entryFileExtension(TableKind kind) { return kind == TableKind::Ctb2 ? ".Ctb2" : ".Ctab"; }

bool saveCtabFile(const std::filesystem::path& path, const Entry& entry) {
    return app::writeFileAtomic(path, toRecord(entry));
}

std::optional<Entry> loadCtabFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    // One byte more than the longer record tells a ".Ctb2" record from a longer file.
    std::array<char, kCtb2RecordSize + 1> buffer{};
    in.read(buffer.data(), buffer.size());
    const auto got = static_cast<std::size_t>(in.gcount());
    const std::size_t used = got == kCtb2RecordSize ? got : std::min(got, kRecordSize);
    std::vector<std::uint8_t> record(used);
    for (std::size_t i = 0; i < used; ++i) record[i] = static_cast<std::uint8_t>(buffer[i]);
    auto entry = fromRecord(record);
    if (entry) entry->changed = true;
    return entry;
}

}  // namespace casm
