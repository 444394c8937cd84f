#include "events/program_edit.h"

#include <algorithm>

#include "events/edit_names.h"
#include "events/event_properties.h"

namespace events {

BankLookup lookUpBank(const document::EventList& list, int row, int channel) {
    BankLookup found;
    const int wanted = 0xB0 | (channel & 0x0F);
    for (int r = std::min(row, list.rowCount()) - 1; r >= 1 && (found.msbRow == 0 || found.lsbRow == 0); --r) {
        if (list.status(r) != wanted) continue;
        const auto data = list.dataBytes(r);
        if (data.empty()) continue;
        const int value = data.size() > 1 ? data[1] : 0;
        if (data[0] == 0 && found.msbRow == 0) {
            found.msb = value;
            found.msbRow = r;
        } else if (data[0] == 32 && found.lsbRow == 0) {
            found.lsb = value;
            found.lsbRow = r;
        }
    }
    return found;
}

document::Edit programEdit(const document::EventList& list, int row, int program, const std::string& comment,
                           const BankLookup& found, int bank) {
    auto changed = withProgram(list.row(row), program, comment);
    bank = std::clamp(bank, 0, 16383);
    if (bank == found.bank()) return document::replaceRow(list, row, std::move(changed), std::string(kEditEvent));

    document::Edit edit;
    edit.name = kEditEvent;
    const auto status = static_cast<std::uint8_t>(0xB0 | (list.status(row) & 0x0F));
    const int msb = bank / 128;
    const int lsb = bank % 128;
    bool insertMsb = false;
    bool insertLsb = false;
    auto bankSelect = [&](int controller, int value, int foundValue, int foundRow, bool& insert) {
        if (value == foundValue && foundRow != 0) return;
        if (foundRow == 0) {
            insert = true;
            return;
        }
        const auto before = list.row(foundRow);
        edit.replaced.push_back({foundRow, before, withController(before, {controller, value})});
    };
    bankSelect(0, msb, found.msb, found.msbRow, insertMsb);
    bankSelect(32, lsb, found.lsb, found.lsbRow, insertLsb);
    int at = row;
    if (insertLsb)
        edit.inserted.push_back({at++, document::eventRow(0, {status, 32, static_cast<std::uint8_t>(lsb)})});
    if (insertMsb)
        edit.inserted.push_back({at++, document::eventRow(0, {status, 0, static_cast<std::uint8_t>(msb)})});
    edit.replaced.push_back({at, list.row(row), std::move(changed)});
    std::sort(edit.replaced.begin(), edit.replaced.end(),
              [](const auto& a, const auto& b) { return a.row < b.row; });
    return edit;
}

}  // namespace events
