#include "events/channel_edit.h"

#include "document/event_cells.h"
#include "events/edit_names.h"

namespace events {
namespace {

bool isChannelEvent(const document::EventList& list, int r) {
    const int status = r >= 1 && r <= list.eventCount() ? list.status(r) : -1;
    return status >= 0x80 && status < 0xF0;
}

void dropText(document::EventRow& row, int column) {
    std::erase_if(row.texts, [column](const auto& text) { return text.first == column; });
}

}  // namespace

int editableChannel(const document::EventList& list, int r) {
    return isChannelEvent(list, r) ? document::channelCell(list, r) : 0;
}

document::Edit channelEdit(const document::EventList& list, int r, int channel) {
    if (!isChannelEvent(list, r) || channel < 1 || channel > 16) return {};
    auto row = list.row(r);
    row.bytes[0] = static_cast<std::uint8_t>((row.bytes[0] & 0xF0) | (channel - 1));
    dropText(row, document::ColEvent);
    dropText(row, document::ColCh);
    return document::replaceRow(list, r, std::move(row), std::string(kEditChannel));
}

}  // namespace events
