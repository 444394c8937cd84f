#include "events/row_edit.h"

#include <array>
#include <charconv>
#include <string>

#include "app/file_io.h"
#include "app/file_names.h"
#include "document/document.h"
#include "document/hex_text.h"
#include "document/smf_writer.h"

namespace events {

using document::ColCh;
using document::ColData;
using document::ColEvent;
using document::ColN;
using document::ColTick;

void deleteRow(document::EventList& list, int r) {
    const std::uint32_t tick = document::tickOf(list.row(r));
    list.removeRow(r);
    auto& next = list.row(r);
    next.setCell(ColTick, std::to_string(document::tickOf(next) + tick));
}

app::Outcome removeBanksAndSave(document::Document& doc, const std::filesystem::path& target,
                                const app::Workspace& ws, const app::Language& lang, int* removed) {
    const int count = removeBankEvents(doc.events);
    if (removed) *removed = count;
    const int filter = document::filterForName(target) == document::FilterSty ? document::FilterSty
                                                                               : document::FilterMid;
    return document::saveAs(doc, target, filter, ws, lang);
}

std::filesystem::path bankBatchTarget(const app::Workspace& ws, const std::string& openedFile) {
    return ws.file("_" + std::string(app::baseNameOf(openedFile)));
}

app::Outcome runBankBatch(document::Document& doc, const app::Workspace& ws, const app::Language& lang,
                          int* removed) {
    const auto target = bankBatchTarget(ws, doc.fileName);
    app::removeFile(target);
    return removeBanksAndSave(doc, target, ws, lang, removed);
}

int removeBankEvents(document::EventList& list) {
    std::array<bool, 16> bankSet{};
    int removed = 0;
    // Deleted rows pass their Tick+ on to the row that takes their place, as
    // one delete after the other would; done in one pass.
    std::uint32_t carried = 0;
    bool carrying = false;
    list.eraseRows([&](int, document::EventRow& row) {
        if (carrying) {
            row.setCell(ColTick, std::to_string(document::tickOf(row) + carried));
            carrying = false;
            carried = 0;
        }
        const auto event = row.cell(ColEvent);
        const int status = document::hexByteAt(event, 0);
        const auto data = row.cell(ColData);
        if ((status & 0xF0) != 0xB0 || status < 0 || document::hexByteCount(data) == 0) return false;
        const int controller = document::hexByteAt(data, 0);
        const int value = document::hexByteAt(data, 1);
        const auto chText = row.cell(ColCh);
        int ch = 1;
        std::from_chars(chText.data(), chText.data() + chText.size(), ch);
        const int channel = (ch - 1) & 15;
        if (controller == 0 && value != 0 && value != -1) {
            bankSet[static_cast<std::size_t>(channel)] = true;
            return false;
        }
        if (controller == 32 && bankSet[static_cast<std::size_t>(channel)]) return false;
        if (controller != 0 && controller != 32) return false;
        carried = document::tickOf(row);
        carrying = true;
        ++removed;
        return true;
    });
    if (carrying) {
        auto& trailing = list.trailing();
        trailing.setCell(ColTick, std::to_string(document::tickOf(trailing) + carried));
    }
    for (int r = 1; r < list.rowCount(); ++r) list.row(r).setCell(ColN, std::to_string(r));
    return removed;
}

}  // namespace events
