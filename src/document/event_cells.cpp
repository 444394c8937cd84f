#include "document/event_cells.h"

#include <algorithm>
#include <charconv>

#include "base/hex_text.h"
#include "document/event_text.h"
#include "names/gm_tables.h"

namespace document {
namespace {

void appendNumber(std::string& out, std::uint64_t value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

bool isTextMeta(int status, int type) { return status == 0xFF && type >= 0x01 && type <= 0x07; }

// An event's bytes split as its Event and Data cells show them.
struct EventView {
    std::span<const std::uint8_t> bytes;
    std::span<const std::uint8_t> event;
    std::span<const std::uint8_t> data;

    EventView(std::span<const std::uint8_t> all, int eventLength)
        : bytes(all),
          event(all.first(std::min<std::size_t>(static_cast<std::size_t>(std::max(eventLength, 0)), all.size()))),
          data(all.subspan(event.size())) {}
    EventView(const EventList& list, int r) : EventView(list.bytes(r), list.eventLength(r)) {}

    int status() const { return bytes.empty() ? -1 : bytes[0]; }
    int metaType() const { return bytes.size() >= 2 && bytes[0] == 0xFF ? bytes[1] : -1; }
    // Text meta events without a length byte show their data as text.
    bool dataIsText() const { return isTextMeta(status(), metaType()) && event.size() == 2; }
};

void appendComment(std::string& out, const EventView& row) {
    const int status = row.status();
    if (status < 0) return;
    const auto data = row.data;
    if (status >= 0x80 && status < 0xF0) {
        switch (status & 0xF0) {
            case 0x80:
            case 0x90:
            case 0xA0:
                if (data.size() >= 2) out += noteComment(data[0], data[1]);
                else if (data.size() == 1) (out += "n=") += noteName(data[0]);
                return;
            case 0xB0:
                if (!data.empty()) out += names::controllerName(data[0]);
                return;
            case 0xE0:
                if (data.size() == 2) out += pitchComment(data[0], data[1]);
                return;
            default: return;
        }
    }
    if (status != 0xFF) return;
    const int type = row.metaType();
    switch (type) {
        case 0x00: {
            const auto event = row.event;
            if (event.size() == 5) {
                out += "v=";
                appendNumber(out, event[3] * 256u + event[4]);
            }
            return;
        }
        case 0x51:
            if (data.size() == 3) out += bpmComment(tempoValue(data));
            return;
        case 0x58:
            if (data.size() == 4) out += timeSignatureComment(data[0], data[1], data[2]);
            return;
        case 0x59:
            if (data.size() == 2) out += keySignatureComment(data[0], data[1]);
            return;
        default:
            if (isTextMeta(status, type)) out += textLengthComment(data.size());
            return;
    }
}

void appendHex(std::string& out, std::span<const std::uint8_t> bytes) {
    for (auto b : bytes) base::appendHexByte(out, b);
}

std::string_view derivedKind(const EventView& row) {
    const int status = row.status();
    if (status < 0) return {};
    const int type = row.metaType();
    if (status == 0xFF && type < 0) return {};
    return kindText(static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(type < 0 ? 0 : type));
}

// The cells that follow from the event's bytes alone.
void appendEventCell(std::string& out, const EventView& row, int column) {
    switch (column) {
        case ColEvent: appendHex(out, row.event); return;
        case ColCh: {
            const int status = row.status();
            if (status >= 0x80 && status < 0xF0) appendNumber(out, static_cast<unsigned>((status & 0x0F) + 1));
            return;
        }
        case ColData:
            if (row.dataIsText()) out.append(reinterpret_cast<const char*>(row.data.data()), row.data.size());
            else appendHex(out, row.data);
            return;
        case ColComment: appendComment(out, row); return;
        case ColText: out += derivedKind(row); return;
        default: return;
    }
}

}  // namespace

void appendCell(std::string& out, const EventList& list, int r, int column, TimeBase base) {
    if (column == ColSel) return;
    if (const auto* text = list.explicitText(r, column)) {
        out += *text;
        return;
    }
    switch (column) {
        case ColN:
            if (list.number(r) != 0) appendNumber(out, list.number(r));
            return;
        case ColTick:
            if (list.hasDelta(r)) appendNumber(out, list.delta(r));
            return;
        case ColMbt: out += mbtText(list.absTick(r), base.division, base.barNumerator); return;
        case ColEvent:
        case ColCh:
        case ColData:
        case ColComment:
        case ColText: appendEventCell(out, EventView(list, r), column); return;
        default: return;
    }
}

std::string cellText(const EventList& list, int r, int column, TimeBase base) {
    std::string text;
    appendCell(text, list, r, column, base);
    return text;
}

std::string_view kindCell(const EventList& list, int r) {
    if (const auto* text = list.explicitText(r, ColText)) return *text;
    return derivedKind(EventView(list, r));
}

void appendDerivedCell(std::string& out, std::span<const std::uint8_t> bytes, int eventLength, int column) {
    appendEventCell(out, EventView(bytes, eventLength), column);
}

int channelCell(const EventList& list, int r) {
    if (const auto* text = list.explicitText(r, ColCh)) {
        int value = 0;
        std::from_chars(text->data(), text->data() + text->size(), value);
        return value;
    }
    const int status = list.status(r);
    return status >= 0x80 && status < 0xF0 ? (status & 0x0F) + 1 : 0;
}

bool dataCellEquals(const EventList& list, int r, std::string_view text) {
    if (const auto* cell = list.explicitText(r, ColData)) return *cell == text;
    if (isTextMeta(list.status(r), list.metaType(r)) && list.eventLength(r) == 2) return textData(list, r) == text;
    const auto data = list.dataBytes(r);
    if (text.size() != data.size() * 3) return false;
    std::string hex;
    appendHex(hex, data);
    return hex == text;
}

std::string_view textData(const EventList& list, int r) {
    const auto data = list.dataBytes(r);
    return {reinterpret_cast<const char*>(data.data()), data.size()};
}

}  // namespace document
