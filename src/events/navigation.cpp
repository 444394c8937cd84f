#include "events/navigation.h"

#include <array>

#include "document/event_cells.h"

namespace events {
namespace {

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

}  // namespace

TextLists collectTextLists(const document::EventList& list) {
    TextLists lists;
    for (int r = 1; r < list.rowCount(); ++r) {
        const int status = list.status(r);
        if (status < 0) break;
        const int type = list.metaType(r);
        if (status != 0xFF || type < 1 || type > 7) continue;
        (type == 6 ? lists.markers : lists.texts).push_back(document::cellText(list, r, document::ColData, {}));
    }
    return lists;
}

std::optional<MarkerJump> findMarker(const document::EventList& list, std::string_view text) {
    const int rows = list.rowCount();
    int found = 0;
    for (int r = 1; r < rows && found == 0; ++r)
        if (document::kindCell(list, r) == kMarkerText && document::dataCellEquals(list, r, text)) found = r;
    if (found == 0) return std::nullopt;
    std::array<bool, 17> used{};
    for (int r = found + 1; r < rows; ++r) {
        if (document::kindCell(list, r) == kMarkerText) break;
        const int ch = document::channelCell(list, r);
        if (ch >= 1 && ch <= 16) used[static_cast<std::size_t>(ch)] = true;
    }
    MarkerJump jump{found, {}};
    for (int ch = 1; ch <= 16; ++ch)
        if (used[static_cast<std::size_t>(ch)]) jump.channels.push_back(ch);
    return jump;
}

std::optional<int> findTextRow(const document::EventList& list, std::string_view text) {
    for (int r = 1; r < list.rowCount(); ++r)
        if (document::dataCellEquals(list, r, text)) return r;
    return std::nullopt;
}

std::string sectionAt(const document::EventList& list, int row) {
    if (row < 1) return {};
    for (int r = std::min(row, list.rowCount() - 1); r >= 1; --r)
        if (list.isMarker(r)) return document::cellText(list, r, document::ColData, {});
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
        if (kind == kFindSelected) {
            if (list.selected(r)) return r;
            continue;
        }
        if (document::kindCell(list, r) != wanted) continue;
        const int ch = document::channelCell(list, r);
        if (ch == 0 || channel == 0 || ch == channel) return r;
    }
    return std::nullopt;
}

int selectedCount(const document::EventList& list) {
    int count = 0;
    for (int r = 1; r <= list.eventCount(); ++r) count += list.selected(r) ? 1 : 0;
    return count;
}

bool flipSelected(document::EventList& list, int row) {
    if (row < 1 || row > list.eventCount()) return false;
    list.setSelected(row, !list.selected(row));
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
