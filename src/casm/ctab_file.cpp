#include "casm/ctab_file.h"

#include <fstream>

#include "app/file_io.h"

namespace casm {

bool saveCtabFile(const std::filesystem::path& path, const Entry& entry) {
    return app::writeFileAtomic(path, toRecord(entry));
}

std::optional<Entry> loadCtabFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::array<char, kRecordSize> buffer{};
    in.read(buffer.data(), buffer.size());
    const auto got = static_cast<std::size_t>(in.gcount());
    std::array<std::uint8_t, kRecordSize> record{};
    for (std::size_t i = 0; i < got; ++i) record[i] = static_cast<std::uint8_t>(buffer[i]);
    auto entry = fromRecord(record);
    if (entry) entry->changed = true;
    return entry;
}

}  // namespace casm
