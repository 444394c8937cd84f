#include "events/row_edit.h"

#include <array>
#include <string>

#include "app/file_io.h"
#include "app/file_names.h"
#include "document/document.h"
#include "document/smf_writer.h"

namespace events {

void deleteRow(document::EventList& list, int r) {
    const std::uint32_t tick = list.delta(r);
    list.removeRow(r);
    list.setDelta(r, list.delta(r) + tick);
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
    // Deleted rows pass their Tick+ on to the row that takes their place, as
    // one delete after the other would; done in one pass.
    std::uint32_t carried = 0;
    bool carrying = false;
    const int removed = list.removeRowsIf([&](int r) {
        if (carrying) {
            list.setDelta(r, list.delta(r) + carried);
            carrying = false;
        }
        const int status = list.status(r);
        const auto data = list.dataBytes(r);
        if ((status & 0xF0) != 0xB0 || status < 0 || data.empty()) return false;
        const int controller = data[0];
        const int value = data.size() > 1 ? data[1] : -1;
        const int channel = status & 0x0F;
        if (controller == 0 && value != 0 && value != -1) {
            bankSet[static_cast<std::size_t>(channel)] = true;
            return false;
        }
        if (controller == 32 && bankSet[static_cast<std::size_t>(channel)]) return false;
        if (controller != 0 && controller != 32) return false;
        carried = list.delta(r);
        carrying = true;
        return true;
    });
    if (carrying) list.setDelta(list.trailingRow(), list.delta(list.trailingRow()) + carried);
    for (int r = 1; r < list.rowCount(); ++r) list.setNumber(r, static_cast<std::uint32_t>(r));
    return removed;
}

}  // namespace events
