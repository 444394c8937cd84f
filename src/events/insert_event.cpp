#include "events/insert_event.h"

#include <algorithm>
#include <array>

#include "base/hex_text.h"
#include "events/edit_names.h"
#include "events/event_properties.h"

namespace events {
namespace {

struct TypeInfo {
    std::string_view caption;
    std::string_view hexPreset;
    InsertFields fields;
};

constexpr InsertFields kTextFields{true, false, false};
constexpr InsertFields kChannelFields{false, true, true};
constexpr InsertFields kHexFields{false, false, true};

constexpr std::array<TypeInfo, kInsertTypeCount> kTypes{{
    {"Text", "", kTextFields},
    {"Key after-touch", "3C,7F", kChannelFields},
    {"Control change", "07,7F", kChannelFields},
    {"Program (patch) change", "00", kChannelFields},
    {"Chanel after-toch", "40", kChannelFields},
    {"Pitch wheel change", "00,00", kChannelFields},
    {"F0 System Exclusive Event", "43,10,4C,00,00,7E,00,F7", kHexFields},
    {"F7 System Exclusive Event", "43,10,4C,00,00,7E,00,F7", kHexFields},
    {"MIDI Channel", "0F", kHexFields},
    {"MIDI Port", "0F", kHexFields},
    {"Track end", "", {false, false, false}},
    {"Tempo", "09,27,C0", kHexFields},
    {"Time Signature", "04,02,60,08", kHexFields},
    {"SMTPE Offset", "00,00,00,00,00", kHexFields},
    {"Key Signature", "00,00", kHexFields},
    {"Sequencer specific information", "00", kHexFields},
}};

const TypeInfo* info(int type) {
    return type >= 0 && type < kInsertTypeCount ? &kTypes[static_cast<std::size_t>(type)] : nullptr;
}

}  // namespace

std::string_view insertTypeCaption(int type) { return info(type) ? info(type)->caption : ""; }
std::string_view insertHexPreset(int type) { return info(type) ? info(type)->hexPreset : ""; }
InsertFields insertFields(int type) { return info(type) ? info(type)->fields : InsertFields{}; }

document::EventRow insertedRow(const InsertValues& v, const document::NameSources& names) {
    const auto entered = base::parseHex(v.hexData);
    auto b = [&entered](std::size_t i, int mask = 0xFF) {
        return static_cast<std::uint8_t>((i < entered.size() ? entered[i] : 0) & mask);
    };
    auto upTo127 = [&entered] {
        return std::vector<std::uint8_t>(entered.begin(),
                                         entered.begin() + static_cast<std::ptrdiff_t>(std::min(entered.size(), kMaxInsertedData)));
    };
    const auto channel = static_cast<std::uint8_t>(std::clamp(v.channel, 1, 16) - 1);
    std::vector<std::uint8_t> bytes;
    std::string comment;
    bool explicitComment = false;
    switch (v.type) {
        case InsertKeyAfterTouch: bytes = {static_cast<std::uint8_t>(0xA0 | channel), b(0, 127), b(1, 127)}; break;
        case InsertController: bytes = {static_cast<std::uint8_t>(0xB0 | channel), b(0, 127), b(1, 127)}; break;
        case InsertProgram:
            bytes = {static_cast<std::uint8_t>(0xC0 | channel), b(0, 127)};
            comment = gmProgramComment(bytes[1]);
            explicitComment = true;
            break;
        case InsertChannelAfterTouch: bytes = {static_cast<std::uint8_t>(0xD0 | channel), b(0, 127)}; break;
        case InsertPitch: bytes = {static_cast<std::uint8_t>(0xE0 | channel), b(0, 127), b(1, 127)}; break;
        case InsertF0Sysex:
        case InsertF7Sysex: {
            bytes = upTo127();
            if (names.sysexDescription) comment = names.sysexDescription(bytes);
            explicitComment = !comment.empty();
            bytes.insert(bytes.begin(), v.type == InsertF0Sysex ? 0xF0 : 0xF7);
            break;
        }
        case InsertMidiChannel: bytes = {0xFF, 0x20, 0x01, b(0, 15)}; break;
        case InsertMidiPort: bytes = {0xFF, 0x21, 0x01, b(0, 15)}; break;
        case InsertTrackEnd: bytes = {0xFF, 0x2F, 0x00}; break;
        case InsertTempo: bytes = {0xFF, 0x51, 0x03, b(0), b(1), b(2)}; break;
        case InsertTimeSignature: bytes = {0xFF, 0x58, 0x04, b(0), b(1), b(2), b(3)}; break;
        case InsertSmpte: bytes = {0xFF, 0x54, 0x05, b(0), b(1), b(2), b(3), b(4)}; break;
        case InsertKeySignature: bytes = {0xFF, 0x59, 0x02, b(0), b(1)}; break;
        case InsertSequencerSpecific:
            bytes = upTo127();
            bytes.insert(bytes.begin(), {0xFF, 0x7F});
            break;
        default: {  // text; a kind out of range makes a plain text event
            const int kind = v.textKind >= 0 && v.textKind <= 6 ? v.textKind : 0;
            bytes = {0xFF, static_cast<std::uint8_t>(kind + 1)};
            bytes.insert(bytes.end(), v.text.begin(), v.text.end());
        }
    }
    auto row = document::eventRow(0, std::move(bytes));
    if (explicitComment) row.setText(document::ColComment, comment);
    row.setText(document::ColN, "Ins");
    return row;
}

document::Edit insertEdit(const document::EventList& list, int at, document::EventRow row) {
    document::Edit edit;
    edit.name = kInsertEvent;
    at = std::clamp(at, 1, list.trailingRow());
    const bool trackEnd = document::isTrackEnd(row.bytes);
    if (trackEnd) {
        if (at == list.trailingRow()) {
            row.delta = 1;
        } else if (list.delta(at) >= 1) {
            row.delta = 1;
            auto before = list.row(at);
            auto after = before;
            after.delta = list.delta(at) - 1;
            edit.replaced.push_back({at + 1, std::move(before), std::move(after)});
        }
    }
    edit.inserted.push_back({at, std::move(row)});
    return edit;
}

}  // namespace events
