#include "chords/section_plan.h"

#include <algorithm>
#include <array>

#include "casm/creation.h"
#include "casm/reader.h"
#include "document/note_pairing.h"
#include "playback/collect_events.h"

namespace chords {
namespace {

constexpr int kMaxDenominatorPower = 6;

std::uint64_t wholeBars(std::uint64_t lastTick, TimeSignature signature, std::uint16_t division) {
    const std::uint64_t bar = std::max<std::uint64_t>(1, barTicks(signature, division));
    const std::uint64_t beat = beatTicks(signature, division);
    const std::uint64_t spill = beat > 0 ? std::min(lastTick, beat - 1) : 0;
    return std::max<std::uint64_t>(1, (lastTick - spill + bar - 1) / bar) * bar;
}

}  // namespace

TimeSignature timeSignatureOf(const document::EventList& events) {
    for (int r = 1; r <= events.eventCount(); ++r) {
        if (events.status(r) != 0xFF || events.metaType(r) != 0x58) continue;
        const auto data = events.dataBytes(r);
        if (data.size() < 2 || data[0] == 0 || data[1] > kMaxDenominatorPower) break;
        return {data[0], 1 << data[1]};
    }
    return {};
}

std::vector<casm::Entry> entriesOf(std::span<const casm::Entry> entries, std::string_view section) {
    std::vector<casm::Entry> out;
    for (const auto& e : entries)
        if (e.section == section) out.push_back(e);
    return out;
}

std::vector<casm::Entry> createdEntries(const document::EventList& events, const base::Profile& casmIni) {
    const auto kinds = casm::proposedKinds(casm::surveyChannels(events), true);
    const auto created = casm::createCasm(events, kinds, casmIni);
    if (!created.ok()) return {};
    return casm::readCasm(created.bytes, "").entries;
}

SectionPlan planSection(std::span<const playback::MidiEvent> events, std::span<const casm::Entry> entries,
                        TimeSignature signature, std::uint16_t division) {
    SectionPlan plan;
    for (const auto& e : entries) {
        auto& slot = plan.channels[static_cast<std::size_t>(e[casm::Track] & 0x0F)];
        if (!slot) slot = channelRules(e);
    }
    plan.length = wholeBars(events.empty() ? 0 : events.back().tick, signature, division);

    // Notes are paired as a sequencer pairs them; the plan keeps those of
    // channels with rules that start within its bars, ended at its end.
    document::NotePairer pairer(events.size());
    std::array<bool, 16> playsNotes{};
    for (std::size_t i = 0; i < events.size(); ++i) {
        const auto& ev = events[i];
        if (ev.isLong()) {
            if (ev.tick < plan.length) plan.routed.push_back(ev);
            continue;
        }
        const auto status = static_cast<std::uint8_t>(ev.message & 0xFF);
        if (status < 0x80 || status >= 0xF0) continue;
        const int channel = status & 0x0F;
        const auto& rules = plan.channels[static_cast<std::size_t>(channel)];
        const std::array<std::uint8_t, 3> bytes{status, static_cast<std::uint8_t>(ev.message >> 8 & 0x7F),
                                                static_cast<std::uint8_t>(ev.message >> 16 & 0x7F)};
        const int kind = status & 0xF0;
        if (kind == 0x80 || kind == 0x90) {
            if (kind == 0x90 && bytes[2] > 0) playsNotes[static_cast<std::size_t>(channel)] = true;
            pairer.add(static_cast<int>(i + 1), ev.tick, bytes, 1);
        } else if (kind != 0xA0 && rules && ev.tick < plan.length) {
            // Key pressure belongs to a note and its pitch; the rest follows the part.
            auto routed = ev;
            routed.message = (ev.message & ~0x0Fu) | static_cast<std::uint32_t>(rules->destination);
            plan.routed.push_back(std::move(routed));
        }
    }
    for (const auto& n : pairer.take()) {
        const auto& rules = plan.channels[n.channel];
        if (n.onRow == 0 || !rules || n.start >= plan.length) continue;
        const std::uint64_t off = n.offRow != 0 ? std::min(n.end, plan.length) : plan.length;
        plan.notes.push_back({n.start, off, n.channel, n.key, n.velocity, rules->zoneOf(n.key)});
    }
    for (int c = 0; c < 16; ++c)
        if (playsNotes[static_cast<std::size_t>(c)] && !plan.channels[static_cast<std::size_t>(c)])
            plan.unassigned.push_back(c);
    // Collected events come in tick order, so the paired notes are by note-on tick.
    return plan;
}

std::optional<SectionPlan> planDocumentSection(const document::Document& doc, std::span<const casm::Entry> entries,
                                               std::string_view section) {
    if (std::find(doc.markers.begin(), doc.markers.end(), section) == doc.markers.end()) return std::nullopt;
    std::vector<playback::MidiEvent> events;
    playback::CollectEvents(events, doc.events, section);
    return planSection(events, entriesOf(entries, section), timeSignatureOf(doc.events), doc.division);
}

}  // namespace chords
