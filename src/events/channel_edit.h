#pragma once
// "Edit Channel...": moves one channel event to another channel.
#include "document/event_list.h"
#include "document/list_edit.h"

namespace events {

// The channel (1 to 16) that Edit Channel offers for row r: the Ch. cell of
// a channel event (8n to En); 0 for any other row, which it leaves alone.
int editableChannel(const document::EventList& list, int r);

// Sets the low four bits of row r's status to `channel` - 1; the Event and
// Ch. cells show the new bytes again. Empty when r is no channel event,
// `channel` is outside 1 to 16, or nothing changes.
document::Edit channelEdit(const document::EventList& list, int r, int channel);

}  // namespace events
