#pragma once
// Editing a program change: the channel's bank as the bank select events
// above it give it, and the edit that sets a new program and, when the
// chosen bank differs, rewrites or inserts the bank select events with it.
#include <string>

#include "document/event_list.h"
#include "document/list_edit.h"

namespace events {

// The nearest control changes 0 (bank MSB) and 32 (bank LSB) of a channel
// above a row; a missing one counts as 0 and has row 0.
struct BankLookup {
    int msb = 0;
    int lsb = 0;
    int msbRow = 0;
    int lsbRow = 0;
    int bank() const { return msb * 128 + lsb; }
};
// Walks from the row above `row` up to row 1 and stops once both are found.
// O(rows above).
BankLookup lookUpBank(const document::EventList& list, int row, int channel);

// Sets the program change at `row` to `program` with `comment`. When `bank`
// (0-16383) differs from `found`: an MSB that differs, or was not found, is
// rewritten in its row or inserted directly above the program change; then
// the same for the LSB, inserted at the program change's row, so that new
// events stand LSB, MSB, program change, each with Tick+ 0. One edit.
document::Edit programEdit(const document::EventList& list, int row, int program, const std::string& comment,
                           const BankLookup& found, int bank);

}  // namespace events
