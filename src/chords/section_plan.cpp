#include "chords/section_plan.h"

#include <algorithm>
#include <memory>

#include "casm/creation.h"
#include "casm/reader.h"
#include "playback/collect_events.h"

namespace chords {
namespace {

constexpr int kMaxDenominatorPower = 6;

// Open note-ons by channel and note, oldest first: a note-off ends the oldest.
using OpenNotes = std::array<std::vector<std::size_t>, 16 * 128>;

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

    auto open = std::make_unique<OpenNotes>();
    std::array<bool, 16> playsNotes{};
    for (const auto& ev : events) {
        if (ev.isLong()) {
            if (ev.tick < plan.length) plan.routed.push_back(ev);
            continue;
        }
        const auto status = static_cast<std::uint8_t>(ev.message & 0xFF);
        if (status < 0x80 || status >= 0xF0) continue;
        const int channel = status & 0x0F;
        const auto& rules = plan.channels[static_cast<std::size_t>(channel)];
        const auto note = static_cast<std::uint8_t>(ev.message >> 8 & 0x7F);
        const auto velocity = static_cast<std::uint8_t>(ev.message >> 16 & 0x7F);
        const int kind = status & 0xF0;
        if (kind == 0x90 && velocity > 0) {
            playsNotes[static_cast<std::size_t>(channel)] = true;
            if (!rules || ev.tick >= plan.length) continue;
            (*open)[static_cast<std::size_t>(channel * 128 + note)].push_back(plan.notes.size());
            plan.notes.push_back({ev.tick, plan.length, static_cast<std::uint8_t>(channel), note, velocity,
                                  rules->zoneOf(note)});
        } else if (kind == 0x80 || kind == 0x90) {
            auto& waiting = (*open)[static_cast<std::size_t>(channel * 128 + note)];
            if (waiting.empty()) continue;
            plan.notes[waiting.front()].off = std::min(ev.tick, plan.length);
            waiting.erase(waiting.begin());
        } else if (kind != 0xA0 && rules && ev.tick < plan.length) {
            // Key pressure belongs to a note and its pitch; the rest follows the part.
            auto routed = ev;
            routed.message = (ev.message & ~0x0Fu) | static_cast<std::uint32_t>(rules->destination);
            plan.routed.push_back(std::move(routed));
        }
    }
    for (int c = 0; c < 16; ++c)
        if (playsNotes[static_cast<std::size_t>(c)] && !plan.channels[static_cast<std::size_t>(c)])
            plan.unassigned.push_back(c);
    // Collected events come in tick order, so the notes already are.
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
