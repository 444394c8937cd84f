#include "document/instrument_overview.h"

#include "document/event_cells.h"
#include "names/gm_tables.h"

namespace document {
ChannelTable scanSection(const EventList& events, std::string_view marker) {
    ChannelTable table{};
    int first = 1;
    if (!isSetupMarker(marker)) {
        first = 0;
        for (int r = 1; r < events.rowCount() && first == 0; ++r)
            if (events.isMarker(r) && textData(events, r) == marker) first = r + 1;
        if (first == 0) return table;
    }
    for (int r = first; r < events.rowCount(); ++r) {
        if (events.isMarker(r)) {
            if (isSetupMarker(textData(events, r))) continue;
            break;
        }
        const int status = events.status(r);
        if (status < 0x80 || status > 0xEF) continue;
        ChannelUsage& channel = table[static_cast<std::size_t>(status & 0x0F)];
        const auto data = events.dataBytes(r);
        const int firstByte = data.empty() ? -1 : data[0];
        const auto rowNumber = static_cast<std::uint32_t>(r);
        switch (status & 0xF0) {
            case 0xC0:
                if (firstByte < 0) break;
                channel.used = 1;
                channel.program = static_cast<std::uint8_t>(firstByte);
                channel.programRow = rowNumber;
                break;
            case 0xB0: {
                const int value = data.size() < 2 ? -1 : data[1];
                if (value < 0) break;
                if (firstByte == 0) {
                    channel.bankMsb = static_cast<std::uint8_t>(value);
                    channel.bankMsbRow = rowNumber;
                } else if (firstByte == 32) {
                    channel.bankLsb = static_cast<std::uint8_t>(value);
                    channel.bankLsbRow = rowNumber;
                }
                break;
            }
            case 0x90: ++channel.noteOns; break;
            default: break;
        }
    }
    return table;
}

std::string groupOf(int bank, int program) {
    if (bank == 16256) return "DRUMS";
    if (bank == 16128 || bank == 8192) return "SFX";
    return std::string(names::gmGroupName(program / names::kProgramsPerGroup));
}

std::array<OverviewRow, 16> overviewRows(const ChannelTable& channels, names::InstrumentDefinitions& definitions) {
    std::array<OverviewRow, 16> rows;
    for (std::size_t c = 0; c < channels.size(); ++c) {
        const ChannelUsage& usage = channels[c];
        if (!usage.used) continue;
        OverviewRow& row = rows[c];
        row.bank = std::to_string(usage.bank());
        if (usage.program >= 128) continue;
        row.group = groupOf(usage.bank(), usage.program);
        row.patch = definitions.patchName(usage.bank(), usage.program);
        row.bankName = definitions.bankName();
    }
    return rows;
}

std::string patchColumnTitle(std::string_view patch, const names::InstrumentDefinitions& definitions) {
    return std::string(patch) + " " +
           (definitions.hasFile() ? definitions.file().filename().string() : std::string("GM"));
}

}  // namespace document
