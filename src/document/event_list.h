#pragma once
// The event list: the MIDI part as grid rows. Rows are numbered as the grid
// numbers them: row 0 is the header (not stored), rows 1 to N are events and
// row N + 1 is the trailing row that always follows the last event (empty,
// unless a failed read left a half-read event there).
//
// Storage. A row keeps what its nine cell texts are made from, not the texts:
// the event's bytes (status, meta type, fixed length byte, data; never the
// variable-length lengths), its N, its delta and its absolute tick as
// integers, and the selected flag, in one 32-byte record. Byte runs of up to
// four bytes (notes, controllers, programs) sit inside the record; longer
// ones in one shared byte arena. The texts are formatted when a row is shown
// or printed (event_cells.h); the writer and the player work from the bytes.
// A million rows take about 24 MB (32 MB once absolute ticks are asked for)
// in a handful of large blocks, where a text per cell costs three times that
// and a heap block per row; reading builds no text at all.
//
// A row may carry explicit cell texts that a reader would not derive (an
// edited comment, "New" in the N cell, a hand-typed hex cell): they are kept
// as interned strings and shown instead of the derived text. Edits keep a
// row's bytes in step with what its Event and Data cells say.
//
// Cost: access, replacement and flag changes are O(1); insert and remove are
// O(rows after the position); bulk removal is one linear pass. Absolute ticks
// are brought up to date lazily from the first changed row, so the list must
// be used from one thread (the window thread); the player copies what it plays.
#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/event_row.h"

namespace document {

class EventList {
public:
    EventList() { clear(); }

    // The grid's row count: header, N events and the trailing row.
    int rowCount() const { return static_cast<int>(records_.size()) + 1; }
    int eventCount() const { return static_cast<int>(records_.size()) - 1; }
    int trailingRow() const { return rowCount() - 1; }

    // Header row plus one empty row; frees the arena and the texts.
    void clear();
    // Room for `events` rows and `arenaBytes` bytes of long events.
    void reserve(std::size_t events, std::size_t arenaBytes = 0);

    // ---- reading a row (grid row r, 1 <= r < rowCount())
    std::uint32_t number(int r) const { return rec(r).number; }  // N; 0 = empty cell
    bool hasDelta(int r) const { return !(rec(r).flags & kNoDelta); }
    std::uint32_t delta(int r) const { return rec(r).delta; }
    // The sum of the deltas of rows 1 to r.
    std::uint64_t absTick(int r) const;
    bool selected(int r) const { return rec(r).flags & kSelected; }
    // Every byte of the event: the Event cell's bytes, then the Data cell's.
    std::span<const std::uint8_t> bytes(int r) const;
    int eventLength(int r) const { return rec(r).eventLength; }
    std::span<const std::uint8_t> eventBytes(int r) const { return bytes(r).first(rec(r).eventLength); }
    std::span<const std::uint8_t> dataBytes(int r) const { return bytes(r).subspan(rec(r).eventLength); }
    // The status byte, -1 for a row without event bytes.
    int status(int r) const;
    // The meta type of an FF row, -1 otherwise.
    int metaType(int r) const;
    bool isMarker(int r) const { return status(r) == 0xFF && metaType(r) == 0x06; }
    // The explicit text of a cell, or nullptr when the cell is derived.
    const std::string* explicitText(int r, int column) const;
    // The whole row as a value.
    EventRow row(int r) const;

    // ---- changing rows
    void setSelected(int r, bool on);
    void setNumber(int r, std::uint32_t n) { rec(r).number = n; }
    // Shows `text` in the cell instead of the derived text.
    void setText(int r, int column, std::string_view text);
    void setDelta(int r, std::uint32_t delta);
    void setRow(int r, const EventRow& row);
    void insertRow(int r, const EventRow& row);
    // Adds an event row before the trailing row.
    void appendRow(const EventRow& row) { insertRow(trailingRow(), row); }
    void removeRow(int r);
    void swapRows(int a, int b);
    // Removes every event row for which `drop(r)` is true (r numbered as
    // before the call, visited in order), in one pass; the trailing row stays.
    template <class Pred>
    int removeRowsIf(Pred drop);

    // ---- filling the list while reading a file
    // The row being filled is always the trailing row; commitTrailing() makes
    // it an event row and adds a new empty trailing row.
    void setTrailing(std::uint32_t number, std::optional<std::uint32_t> delta, std::span<const std::uint8_t> bytes,
                     int eventLength);
    void commitTrailing();

private:
    enum Flags : std::uint8_t { kSelected = 1, kNoDelta = 2 };
    static constexpr std::uint32_t kInlineBytes = 4;

    struct Record {
        std::uint32_t delta = 0;
        std::uint32_t number = 0;
        std::uint32_t bytesRef = 0;  // the bytes themselves when length <= 4, else an arena offset
        std::uint32_t length = 0;
        std::uint32_t textsRef = 0;  // 0: every cell derived; else 1 + index into textSets_
        std::uint8_t eventLength = 0;
        std::uint8_t flags = kNoDelta;
    };
    static_assert(sizeof(Record) == 24);

    // Explicit cell texts of one row: 0 = derived, else 1 + index into strings_.
    using TextSet = std::array<std::uint32_t, kColumnCount>;
    struct TextSetHash {
        std::size_t operator()(const TextSet& set) const;
    };

    Record& rec(int r) { return records_[static_cast<std::size_t>(r - 1)]; }
    const Record& rec(int r) const { return records_[static_cast<std::size_t>(r - 1)]; }
    void storeBytes(Record& record, std::span<const std::uint8_t> bytes);
    std::uint32_t internString(std::string_view text);
    std::uint32_t internSet(const TextSet& set);
    Record makeRecord(const EventRow& row);
    void timesChangedFrom(int r) { timesValidBelow_ = std::min(timesValidBelow_, r); }
    void compactArena();

    std::vector<Record> records_;
    std::vector<std::uint8_t> arena_;
    std::size_t arenaGarbage_ = 0;  // bytes of replaced rows still in the arena
    std::deque<std::string> strings_;  // a deque: the map's keys view its elements
    std::unordered_map<std::string_view, std::uint32_t> stringIds_;
    std::vector<TextSet> textSets_;
    std::unordered_map<TextSet, std::uint32_t, TextSetHash> textSetIds_;
    // Absolute ticks, a cache brought up to date on demand: entries for rows
    // below timesValidBelow_ are correct.
    mutable std::vector<std::uint64_t> absTicks_;
    mutable int timesValidBelow_ = 1;
};

template <class Pred>
int EventList::removeRowsIf(Pred drop) {
    const std::size_t events = records_.size() - 1;
    std::size_t out = 0;
    int firstRemoved = 0;
    for (std::size_t in = 0; in < events; ++in) {
        if (drop(static_cast<int>(in + 1))) {
            if (records_[in].length > kInlineBytes) arenaGarbage_ += records_[in].length;
            if (firstRemoved == 0) firstRemoved = static_cast<int>(in + 1);
            continue;
        }
        if (out != in) records_[out] = records_[in];
        ++out;
    }
    const int removed = static_cast<int>(events - out);
    if (removed == 0) return 0;
    records_[out] = records_.back();  // the trailing row
    records_.resize(out + 1);
    timesChangedFrom(firstRemoved);
    return removed;
}

}  // namespace document
