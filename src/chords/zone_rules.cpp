#include "chords/zone_rules.h"

#include "casm/ctb2_from_ctab.h"
#include "casm/values.h"
#include "chords/chord_types.h"

namespace chords {
namespace {

constexpr int kSff2Tables = 11;
constexpr int kGuitarTables = 3;
constexpr int kRtrValues = 6;

Ntr ntrOf(casm::TableKind kind, int value) {
    if (value == 0) return Ntr::RootTrans;
    if (kind == casm::TableKind::Ctb2 && value == 2) return Ntr::Guitar;
    return value == 1 || kind == casm::TableKind::Ctab ? Ntr::RootFixed : Ntr::RootTrans;
}

// An SFF2 NTT byte: bit 7 the bass flag, the rest the table.
void readSff2Ntt(ZoneRules& rules, int value) {
    rules.bass = (value & casm::kBassBit) != 0;
    const int table = value & ~casm::kBassBit;
    if (rules.ntr == Ntr::Guitar)
        rules.table = static_cast<Table>(static_cast<int>(Table::GuitarAllPurpose) + (table < kGuitarTables ? table : 0));
    else
        rules.table = table < kSff2Tables ? static_cast<Table>(table) : Table::Bypass;
}

// An SFF1 NTT by the SFF2 value it stands for.
void readSff1Ntt(ZoneRules& rules, int value) {
    constexpr int kSff1Tables = 6;
    readSff2Ntt(rules, value < kSff1Tables ? casm::ctb2Ntt(static_cast<std::uint8_t>(value)) : 0);
}

ZoneRules zoneRules(const casm::Entry& entry, casm::Zone zone) {
    using casm::Rule;
    ZoneRules rules;
    const auto kind = entry.kind();
    rules.ntr = ntrOf(kind, entry.rule(zone, Rule::NTR));
    const int ntt = entry.rule(zone, Rule::NTT);
    if (kind == casm::TableKind::Ctb2)
        readSff2Ntt(rules, ntt);
    else if (entry.hasCntt)
        readSff2Ntt(rules, entry.cntt);
    else
        readSff1Ntt(rules, ntt);
    rules.highKey = entry.rule(zone, Rule::HighestKey) % 12;
    rules.low = entry.rule(zone, Rule::LowLimit);
    rules.high = entry.rule(zone, Rule::HighLimit);
    const int rtr = entry.rule(zone, Rule::RTR);
    rules.rtr = rtr < kRtrValues ? static_cast<Rtr>(rtr) : Rtr::Stop;
    return rules;
}

}  // namespace

casm::Zone ChannelRules::zoneOf(int note) const {
    if (!zoned) return casm::Zone::Middle;
    if (note < middleLow) return casm::Zone::Low;
    if (note > middleHigh) return casm::Zone::High;
    return casm::Zone::Middle;
}

ChannelRules channelRules(const casm::Entry& entry) {
    ChannelRules rules;
    rules.source = entry[casm::Track] & 0x0F;
    rules.destination = entry[casm::MidiChan] & 0x0F;
    rules.chordMask = casm::chordMaskOf(entry);
    rules.noteMask = casm::noteMaskOf(entry);
    rules.sourceRoot = entry[casm::ChordRoot] % 12;
    rules.sourceType = sourceType(entry[casm::ChordType]);
    rules.zoned = entry.kind() == casm::TableKind::Ctb2;
    if (rules.zoned) {
        rules.middleLow = entry[casm::MiddleLow];
        rules.middleHigh = entry[casm::MiddleHigh];
    }
    for (int z = 0; z < casm::kZoneCount; ++z)
        rules.zones[static_cast<std::size_t>(z)] = zoneRules(entry, static_cast<casm::Zone>(z));
    return rules;
}

std::string ruleText(const ZoneRules& rules) {
    const int ntr = static_cast<int>(rules.ntr);
    int table = static_cast<int>(rules.table);
    if (rules.ntr == Ntr::Guitar) table -= static_cast<int>(Table::GuitarAllPurpose);
    std::string text(casm::valueName(casm::ctb2NtrNames(), ntr));
    text += '/';
    text += casm::valueName(casm::ctb2NttNames(ntr), table);
    if (rules.bass) text += casm::kBassSuffix;
    text += '/';
    text += casm::valueName(casm::ctb2RtrNames(), static_cast<int>(rules.rtr));
    return text;
}

char zoneLetter(casm::Zone zone) {
    switch (zone) {
        case casm::Zone::Low: return 'L';
        case casm::Zone::High: return 'H';
        case casm::Zone::Middle: break;
    }
    return 'M';
}

}  // namespace chords
