#include "document/event_list.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace document {

std::size_t EventList::TextSetHash::operator()(const TextSet& set) const {
    std::size_t h = 0;
    for (auto id : set) h = h * 1000003u ^ id;
    return h;
}

void EventList::clear() {
    records_.assign(1, Record{});
    records_.shrink_to_fit();
    arena_ = {};
    arenaGarbage_ = 0;
    absTicks_ = {};
    stringIds_.clear();
    strings_ = {};
    textSetIds_.clear();
    textSets_ = {};
    timesValidBelow_ = 1;
}

void EventList::reserve(std::size_t events, std::size_t arenaBytes) {
    records_.reserve(events + 1);
    arena_.reserve(arenaBytes);
}

std::uint64_t EventList::absTick(int r) const {
    if (r >= timesValidBelow_) {
        absTicks_.resize(records_.size());
        std::uint64_t t = timesValidBelow_ > 1 ? absTicks_[static_cast<std::size_t>(timesValidBelow_ - 2)] : 0;
        for (int i = timesValidBelow_; i <= r; ++i) {
            t += records_[static_cast<std::size_t>(i - 1)].delta;
            absTicks_[static_cast<std::size_t>(i - 1)] = t;
        }
        timesValidBelow_ = r + 1;
    }
    return absTicks_[static_cast<std::size_t>(r - 1)];
}

std::span<const std::uint8_t> EventList::bytes(int r) const {
    const Record& record = rec(r);
    if (record.length <= kInlineBytes)
        return {reinterpret_cast<const std::uint8_t*>(&record.bytesRef), record.length};
    return {arena_.data() + record.bytesRef, record.length};
}

int EventList::status(int r) const {
    const Record& record = rec(r);
    return record.length == 0 ? -1 : bytes(r)[0];
}

int EventList::metaType(int r) const {
    const auto b = bytes(r);
    return b.size() >= 2 && b[0] == 0xFF ? b[1] : -1;
}

const std::string* EventList::explicitText(int r, int column) const {
    const Record& record = rec(r);
    if (record.textsRef == 0) return nullptr;
    const std::uint32_t id = textSets_[record.textsRef - 1][static_cast<std::size_t>(column)];
    return id == 0 ? nullptr : &strings_[id - 1];
}

EventRow EventList::row(int r) const {
    const Record& record = rec(r);
    EventRow row;
    row.number = record.number;
    if (hasDelta(r)) row.delta = record.delta;
    const auto b = bytes(r);
    row.bytes.assign(b.begin(), b.end());
    row.eventLength = record.eventLength;
    row.selected = selected(r);
    for (int c = 0; c < kColumnCount; ++c)
        if (const auto* text = explicitText(r, c)) row.texts.emplace_back(c, *text);
    return row;
}

void EventList::storeBytes(Record& record, std::span<const std::uint8_t> bytes) {
    if (record.length > kInlineBytes) arenaGarbage_ += record.length;
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("event too long");
    record.length = static_cast<std::uint32_t>(bytes.size());
    record.bytesRef = 0;
    if (bytes.size() <= kInlineBytes) {
        if (!bytes.empty()) std::memcpy(&record.bytesRef, bytes.data(), bytes.size());
        return;
    }
    if (arenaGarbage_ > arena_.size() / 2) compactArena();
    if (arena_.size() + bytes.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("event bytes exceed the list's arena");
    record.bytesRef = static_cast<std::uint32_t>(arena_.size());
    arena_.insert(arena_.end(), bytes.begin(), bytes.end());
}

// Drops the bytes of replaced and removed rows from the arena.
void EventList::compactArena() {
    std::vector<std::uint8_t> live;
    live.reserve(arena_.size() - arenaGarbage_);
    for (auto& record : records_) {
        if (record.length <= kInlineBytes) continue;
        const auto at = static_cast<std::uint32_t>(live.size());
        live.insert(live.end(), arena_.begin() + record.bytesRef, arena_.begin() + record.bytesRef + record.length);
        record.bytesRef = at;
    }
    arena_ = std::move(live);
    arenaGarbage_ = 0;
}

std::uint32_t EventList::internString(std::string_view text) {
    if (auto it = stringIds_.find(text); it != stringIds_.end()) return it->second;
    const auto& stored = strings_.emplace_back(text);
    const auto id = static_cast<std::uint32_t>(strings_.size());
    stringIds_.emplace(stored, id);
    return id;
}

std::uint32_t EventList::internSet(const TextSet& set) {
    if (set == TextSet{}) return 0;
    auto [it, added] = textSetIds_.emplace(set, static_cast<std::uint32_t>(textSets_.size() + 1));
    if (added) textSets_.push_back(set);
    return it->second;
}

EventList::Record EventList::makeRecord(const EventRow& row) {
    Record record;
    record.number = row.number;
    record.delta = row.delta.value_or(0);
    record.flags = static_cast<std::uint8_t>((row.delta ? 0 : kNoDelta) | (row.selected ? kSelected : 0));
    record.eventLength = static_cast<std::uint8_t>(std::min<std::size_t>(row.eventLength, row.bytes.size()));
    storeBytes(record, row.bytes);
    TextSet set{};
    for (const auto& [column, text] : row.texts)
        if (column >= 0 && column < kColumnCount) set[static_cast<std::size_t>(column)] = internString(text);
    record.textsRef = internSet(set);
    return record;
}

void EventList::setSelected(int r, bool on) {
    auto& flags = rec(r).flags;
    flags = static_cast<std::uint8_t>(on ? flags | kSelected : flags & ~kSelected);
}

void EventList::setDelta(int r, std::uint32_t delta) {
    Record& record = rec(r);
    record.delta = delta;
    record.flags = static_cast<std::uint8_t>(record.flags & ~kNoDelta);
    timesChangedFrom(r);
}

void EventList::setRow(int r, const EventRow& row) {
    Record record = makeRecord(row);
    if (rec(r).length > kInlineBytes) arenaGarbage_ += rec(r).length;
    rec(r) = record;
    timesChangedFrom(r);
}

void EventList::insertRow(int r, const EventRow& row) {
    const Record record = makeRecord(row);
    records_.insert(records_.begin() + (r - 1), record);
    timesChangedFrom(r);
}

void EventList::removeRow(int r) {
    if (rec(r).length > kInlineBytes) arenaGarbage_ += rec(r).length;
    records_.erase(records_.begin() + (r - 1));
    timesChangedFrom(r);
}

void EventList::swapRows(int a, int b) {
    std::swap(rec(a), rec(b));
    timesChangedFrom(std::min(a, b));
}

void EventList::setTrailing(std::uint32_t number, std::optional<std::uint32_t> delta,
                            std::span<const std::uint8_t> bytes, int eventLength) {
    Record& record = records_.back();
    record.number = number;
    record.delta = delta.value_or(0);
    record.flags = delta ? 0 : kNoDelta;
    record.eventLength = static_cast<std::uint8_t>(std::min<std::size_t>(static_cast<std::size_t>(eventLength), bytes.size()));
    storeBytes(record, bytes);
    timesChangedFrom(trailingRow());
}

void EventList::setText(int r, int column, std::string_view text) {
    Record& record = rec(r);
    TextSet set = record.textsRef ? textSets_[record.textsRef - 1] : TextSet{};
    set[static_cast<std::size_t>(column)] = internString(text);
    record.textsRef = internSet(set);
}

void EventList::commitTrailing() { records_.emplace_back(); }

}  // namespace document
