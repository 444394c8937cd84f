#include "events/navigation.h"

#include <array>
#include <charconv>

#include "document/hex_text.h"

namespace events {
namespace {

using document::ColCh;
using document::ColData;
using document::ColEvent;
using document::ColText;

constexpr std::string_view kMarkerText = "Marker";

struct FindKind {
    std::string_view caption;
    std::string_view text;
};

constexpr std::array<FindKind, kFindKindCount> kFindKinds{{
    {"Key after-touch", "Key after-touch"},
    {"Control change", "Control change"},
    {"Program (patch) change", "Program (patch) change"},
    {"Chanel after-toch", "Chanel after-toch"},
    {"Pitch wheel change", "Pitch wheel change"},
    {"F0 Sysex Event", "F0 System Exclusive Event"},
    {"F7 Sysex Event", "F7 System Exclusive Event"},
    {"MIDI Channel", "MIDI Channel"},
    {"MIDI Port", "MIDI Port"},
    {"Track end", "Track end"},
    {"Tempo", "Tempo"},
    {"Time Signature", "Time Signature"},
    {"SMTPE Offset", "SMTPE Offset"},
    {"Key Signature", "Key Signature"},
    {"Sequencer specific information", "Sequencer specific information"},
    {"Selected", ""},
}};

// The "Ch." cell as a number, 0 when empty or not a number.
int channelOf(std::string_view cell) {
    int value = 0;
    std::from_chars(cell.data(), cell.data() + cell.size(), value);
    return value;
}

}  // namespace

TextLists collectTextLists(const document::EventList& list) {
    TextLists lists;
    for (int r = 1; r < list.rowCount(); ++r) {
        const auto& row = list.row(r);
        const auto event = row.cell(ColEvent);
        const int status = document::hexByteAt(event, 0);
        if (status < 0) break;
        const int type = document::hexByteAt(event, 1);
        if (status != 0xFF || type < 1 || type > 7) continue;
        (type == 6 ? lists.markers : lists.texts).emplace_back(row.cell(ColData));
    }
    return lists;
}

std::optional<MarkerJump> findMarker(const document::EventList& list, std::string_view text) {
    const int rows = list.rowCount();
    int found = 0;
    for (int r = 1; r < rows && found == 0; ++r) {
        const auto& row = list.row(r);
        if (row.cell(ColText) == kMarkerText && row.cell(ColData) == text) found = r;
    }
    if (found == 0) return std::nullopt;
    std::array<bool, 17> used{};
    for (int r = found + 1; r < rows; ++r) {
        const auto& row = list.row(r);
        if (row.cell(ColText) == kMarkerText) break;
        const int ch = channelOf(row.cell(ColCh));
        if (ch >= 1 && ch <= 16) used[static_cast<std::size_t>(ch)] = true;
    }
    MarkerJump jump{found, {}};
    for (int ch = 1; ch <= 16; ++ch)
        if (used[static_cast<std::size_t>(ch)]) jump.channels.push_back(ch);
    return jump;
}

std::optional<int> findTextRow(const document::EventList& list, std::string_view text) {
    for (int r = 1; r < list.rowCount(); ++r)
        if (list.row(r).cell(ColData) == text) return r;
    return std::nullopt;
}

std::string sectionAt(const document::EventList& list, int row) {
    if (row < 1) return {};
    for (int r = std::min(row, list.rowCount() - 1); r >= 1; --r) {
        const auto event = list.row(r).cell(ColEvent);
        if (document::hexByteAt(event, 0) == 0xFF && document::hexByteAt(event, 1) == 0x06)
            return std::string(list.row(r).cell(ColData));
    }
    return {};
}

std::string_view findKindCaption(int kind) {
    return kind >= 0 && kind < kFindKindCount ? kFindKinds[static_cast<std::size_t>(kind)].caption : "";
}

std::string_view findKindText(int kind) {
    return kind >= 0 && kind < kFindKindCount ? kFindKinds[static_cast<std::size_t>(kind)].text : "";
}

std::optional<int> findNext(const document::EventList& list, int current, int kind, int channel) {
    if (kind < 0 || kind >= kFindKindCount) return std::nullopt;
    const auto wanted = findKindText(kind);
    for (int r = std::max(current + 1, 1); r < list.rowCount(); ++r) {
        const auto& row = list.row(r);
        if (kind == kFindSelected) {
            if (row.selected()) return r;
            continue;
        }
        if (row.cell(ColText) != wanted) continue;
        const auto ch = row.cell(ColCh);
        if (ch.empty() || channel == 0 || channelOf(ch) == channel) return r;
    }
    return std::nullopt;
}

int selectedCount(const document::EventList& list) {
    int count = 0;
    for (int r = 1; r <= list.eventCount(); ++r) count += list.row(r).selected() ? 1 : 0;
    return count;
}

bool flipSelected(document::EventList& list, int row) {
    if (row < 1 || row > list.eventCount()) return false;
    auto& r = list.row(row);
    r.setSelected(!r.selected());
    return true;
}

KeyCommand keyCommand(GridKey key, bool shift, bool keypad) {
    switch (key) {
        case GridKey::Up:
        case GridKey::Down: return shift ? KeyCommand::FlipLeaving : KeyCommand::None;
        case GridKey::Enter: return KeyCommand::Edit;
        case GridKey::Delete: return KeyCommand::DeleteEvent;
        case GridKey::Insert: return KeyCommand::FlipAndAdvance;
        case GridKey::Plus: return keypad ? KeyCommand::InsertEvent : KeyCommand::None;
        case GridKey::Minus: return keypad ? KeyCommand::UnselectAll : KeyCommand::None;
        case GridKey::Other: break;
    }
    return KeyCommand::None;
}

int flipAndAdvance(document::EventList& list, int current) {
    flipSelected(list, current);
    return current + 1 < list.rowCount() ? current + 1 : current;
}

}  // namespace events
