#include "chords/bar_feeder.h"

#include <algorithm>

#include "casm/reader.h"
#include "chords/section_flow.h"

namespace chords {
namespace {

PlayedNote soundingNote(const SectionPlan& plan, const PlayState::Sounding& s) {
    const auto& source = plan.notes[s.source];
    PlayedNote n;
    n.tick = s.start;
    n.channel = static_cast<std::uint8_t>(plan.channels[source.channel]->destination);
    n.note = s.pitch;
    n.velocity = source.velocity;
    return n;
}

// The messages of what a segment produced, moved by `shift` to ticks of
// play: note-offs of the notes that ended, note-ons of the notes that began
// at or after `from` (section ticks; earlier ones were sent with their bar).
void place(const Performance& done, const PlayState& state, const SectionPlan& plan, std::uint64_t shift,
           std::uint64_t from, std::vector<PlacedEvent>& placed) {
    for (auto n : done.notes) {
        n.tick += shift;
        if (n.tick >= from + shift) placed.push_back(noteOnOf(n));
        placed.push_back(noteOffOf(n));
    }
    for (const auto& e : done.events) placed.push_back({e.tick + shift, 1, e});
    for (const auto& s : state.sounding) {
        if (s.start < from) continue;
        auto n = soundingNote(plan, s);
        n.tick += shift;
        placed.push_back(noteOnOf(n));
    }
}

}  // namespace

SectionPlans planSections(const document::Document& doc, std::span<const casm::Entry> entries,
                          std::span<const std::string> sections) {
    SectionPlans plans;
    for (const auto& s : sections)
        if (auto plan = planDocumentSection(doc, entries, s)) plans.emplace(s, std::move(*plan));
    return plans;
}

SavedEntries savedEntries(const std::optional<std::vector<std::uint8_t>>& casmFile, const document::EventList& events,
                          const base::Profile& casmIni) {
    SavedEntries out;
    if (!casmFile || casmFile->empty()) {
        out.entries = createdEntries(events, casmIni);
        out.created = true;
        return out;
    }
    auto read = casm::readCasm(*casmFile, "");
    if (!read.ok()) {
        out.fault = read.failure->text;
        return out;
    }
    out.entries = std::move(read.entries);
    return out;
}

BarFeeder::BarFeeder(std::vector<std::string> sections, TimeSignature signature, std::uint16_t division)
    : sections_(std::move(sections)), bar_(std::max<std::uint64_t>(1, barTicks(signature, division))) {}

void BarFeeder::setPlans(std::shared_ptr<const SectionPlans> plans) { plans_ = std::move(plans); }

void BarFeeder::setChords(ChordChoice chords) { chords_ = std::make_shared<const ChordChoice>(std::move(chords)); }

bool BarFeeder::chooseSection(const std::string& section) {
    if (!plans_ || !plans_->contains(section)) return false;
    chosen_ = section;
    ++choice_;
    return true;
}

std::optional<std::string> BarFeeder::start(const std::string& section) {
    if (!plans_ || !plans_->contains(section)) return "The style has no section '" + section + "' to play.";
    cursor_ = {};
    cursor_.section = section;
    if (sectionKind(section) == SectionKind::Main) cursor_.lastMain = section;
    cursor_.plans = plans_;
    cursor_.chords = chords_;
    cursor_.choiceSeen = choice_;
    checkpoints_.clear();
    return std::nullopt;
}

const SectionPlan* BarFeeder::planOf(const Cursor& c) const {
    if (!c.plans) return nullptr;
    const auto it = c.plans->find(c.section);
    return it == c.plans->end() ? nullptr : &it->second;
}

void BarFeeder::stopSounding(Cursor& c, std::vector<PlacedEvent>& placed) const {
    const SectionPlan* plan = planOf(c);
    if (!plan || c.state.sounding.empty()) {
        c.state = {};
        return;
    }
    Performance ended;
    const std::uint64_t at = c.tick - c.sectionStart;
    endSounding(c.state, at, *plan, ended);
    place(ended, c.state, *plan, c.sectionStart, at, placed);
    c.state = {};
}

void BarFeeder::switchSection(Cursor& c, const std::string& section, std::vector<PlacedEvent>& placed) const {
    stopSounding(c, placed);
    c.section = section;
    c.sectionStart = c.tick;
    if (sectionKind(section) == SectionKind::Main) c.lastMain = section;
}

std::vector<TimedChord> BarFeeder::barChords(const Cursor& c, std::uint64_t end, bool& over) const {
    const ChordChoice& choice = *c.chords;
    over = false;
    if (choice.progression.empty()) return {{c.tick, end, choice.held, chordName(choice.held)}};
    const auto& progression = choice.progression;
    const std::uint64_t length = progression.back().end;
    if (!choice.loop && c.tick - c.progressionStart >= length) {
        over = true;
        return {};
    }
    std::vector<TimedChord> out;
    for (std::uint64_t t = c.tick; t < end;) {
        const std::uint64_t at = (t - c.progressionStart) % length;
        auto it = std::upper_bound(progression.begin(), progression.end(), at,
                                   [](std::uint64_t tick, const TimedChord& tc) { return tick < tc.start; });
        const auto& tc = *(it - 1);
        const std::uint64_t stop = std::min(end, t + (tc.end - at));
        out.push_back({t, stop, tc.chord, tc.symbol});
        t = stop;
    }
    return out;
}

std::optional<FedBar> BarFeeder::next() {
    if (cursor_.ended) return std::nullopt;
    checkpoints_.push_back(cursor_);
    Cursor& c = cursor_;
    std::vector<PlacedEvent> placed;
    FedBar fed;
    fed.bar.index = c.index;
    fed.bar.start = c.tick;
    fed.bar.end = c.tick + bar_;

    if (c.plans != plans_) {  // a CASM edit, or the other set of entries
        stopSounding(c, placed);
        c.plans = plans_;
    }
    if (c.chords != chords_) {
        c.chords = chords_;
        c.progressionStart = c.tick;
    }
    if (c.choiceSeen != choice_) {
        c.choiceSeen = choice_;
        if (chosen_ != c.section || !sectionRepeats(chosen_)) switchSection(c, chosen_, placed);
    }
    const SectionPlan* plan = planOf(c);
    if (plan && !sectionRepeats(c.section) && c.tick - c.sectionStart >= plan->length) {
        const auto after = sectionAfter(c.section, c.lastMain, sections_);
        if (after && c.plans->contains(*after)) switchSection(c, *after, placed);
        else plan = nullptr;
    }
    bool over = false;
    fed.chords = plan ? barChords(c, fed.bar.end, over) : std::vector<TimedChord>{};
    if (!plan || over) {  // play ends at this bar line
        stopSounding(c, placed);
        c.ended = true;
        fed.bar.end = fed.bar.start;
        fed.section = c.section;
        fed.bar.events = inPlayOrder(std::move(placed), fed.bar.start);
        return fed;
    }

    PlayOptions options;
    options.loop = sectionRepeats(c.section);
    Performance done;
    for (std::size_t i = 0; i < fed.chords.size(); ++i) {
        TimedChord local = fed.chords[i];
        local.start -= c.sectionStart;
        local.end -= c.sectionStart;
        playSegment(*plan, local, static_cast<std::uint32_t>(i), options, c.state, done);
    }
    place(done, c.state, *plan, c.sectionStart, c.tick - c.sectionStart, placed);
    fed.section = c.section;
    fed.bar.events = inPlayOrder(std::move(placed), fed.bar.start);
    c.tick = fed.bar.end;
    ++c.index;
    return fed;
}

void BarFeeder::rewindTo(std::uint64_t index) {
    const auto it = std::find_if(checkpoints_.begin(), checkpoints_.end(),
                                 [&](const Cursor& c) { return c.index == index; });
    if (it == checkpoints_.end()) return;
    cursor_ = *it;
    checkpoints_.erase(it, checkpoints_.end());
}

void BarFeeder::forgetBefore(std::uint64_t index) {
    while (!checkpoints_.empty() && checkpoints_.front().index < index) checkpoints_.pop_front();
}

}  // namespace chords
