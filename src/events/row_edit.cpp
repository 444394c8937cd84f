#include "events/row_edit.h"

#include <array>
#include <string>

#include "base/file_io.h"
#include "base/file_names.h"
#include "document/document.h"
#include "document/smf_writer.h"

namespace events {

void deleteRow(document::EventList& list, int r) {
    auto edit = document::removeRows(list, {r}, "Delete");
    document::redo(list, edit);
}

base::Outcome removeBanksAndSave(document::Document& doc, const std::filesystem::path& target,
                                const base::Workspace& ws, const base::Language& lang, int* removed) {
    const int count = removeBankEvents(doc.events);
    if (removed) *removed = count;
    // Any style type keeps the CASM section; the add part is never written,
    // and the note says so when there is one.
    const bool style = document::filterForName(target) >= document::FilterSty;
    auto saved = document::saveAs(doc, target, style ? document::FilterSty : document::FilterMid, ws, lang);
    if (saved.ok && style)
        saved.note = document::leftOutAddPart(ws, "the bank removal writes the MIDI part and the CASM section only.");
    return saved;
}

std::filesystem::path bankBatchTarget(const base::Workspace& ws, const std::string& openedFile) {
    std::string name = "_";
    name += base::baseNameOf(openedFile);
    return ws.file(name);
}

base::Outcome runBankBatch(document::Document& doc, const base::Workspace& ws, const base::Language& lang,
                          int* removed) {
    const auto target = bankBatchTarget(ws, doc.fileName);
    base::removeFile(target);
    return removeBanksAndSave(doc, target, ws, lang, removed);
}

document::Edit bankRemoval(const document::EventList& list) {
    std::array<bool, 16> bankSet{};
    std::vector<int> rows;
    for (int r = 1; r <= list.eventCount(); ++r) {
        const int status = list.status(r);
        const auto data = list.dataBytes(r);
        if (status < 0 || (status & 0xF0) != 0xB0 || data.empty()) continue;
        const int controller = data[0];
        const int value = data.size() > 1 ? data[1] : -1;
        const auto channel = static_cast<std::size_t>(status & 0x0F);
        if (controller == 0 && value != 0 && value != -1) {
            bankSet[channel] = true;
            continue;
        }
        if ((controller == 0 || controller == 32) && !(controller == 32 && bankSet[channel])) rows.push_back(r);
    }
    auto edit = document::removeRows(list, rows, "Remove Bank Events");
    edit.renumber = true;
    return edit;
}

int removeBankEvents(document::EventList& list) {
    auto edit = bankRemoval(list);
    document::redo(list, edit);
    return static_cast<int>(edit.removed.size());
}

}  // namespace events
