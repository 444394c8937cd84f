#include "document/list_edit.h"

#include <algorithm>

namespace document {
namespace {

std::vector<int> rowsOf(const std::vector<RowAt>& rows) {
    std::vector<int> out;
    out.reserve(rows.size());
    for (const auto& r : rows) out.push_back(r.row);
    return out;
}

bool isText(const EventRow& row) {
    return row.bytes.size() >= 2 && row.bytes[0] == 0xFF && row.bytes[1] >= 0x01 && row.bytes[1] <= 0x07;
}

Touched touched(const Edit& edit) {
    Touched t;
    auto note = [&t](int row) {
        t.first = t.first == 0 ? row : std::min(t.first, row);
        t.last = std::max(t.last, row);
    };
    for (const auto& r : edit.removed) {
        note(r.row);
        t.textsChanged = t.textsChanged || isText(r.content);
    }
    for (const auto& r : edit.inserted) {
        note(r.row);
        t.textsChanged = t.textsChanged || isText(r.content);
    }
    for (const auto& r : edit.replaced) {
        note(r.row);
        if (r.before.delta != r.after.delta) t.timesMoved = true;
        t.textsChanged = t.textsChanged || isText(r.before) || isText(r.after);
    }
    t.rowsMoved = !edit.removed.empty() || !edit.inserted.empty();
    if (t.rowsMoved) t.timesMoved = true;
    if (edit.renumber) note(1);
    return t;
}

}  // namespace

Touched redo(EventList& list, Edit& edit) {
    list.removeRows(rowsOf(edit.removed));
    list.insertRows(edit.inserted);
    for (const auto& r : edit.replaced) list.setRow(r.row, r.after);
    if (edit.renumber) {
        edit.numbersBefore.resize(static_cast<std::size_t>(list.rowCount() - 1));
        for (int r = 1; r < list.rowCount(); ++r) {
            edit.numbersBefore[static_cast<std::size_t>(r - 1)] = list.number(r);
            list.setNumber(r, static_cast<std::uint32_t>(r));
        }
    }
    Touched t = touched(edit);
    if (edit.renumber) t.last = list.rowCount() - 1;
    return t;
}

Touched undo(EventList& list, Edit& edit) {
    if (edit.renumber)
        for (int r = 1; r < list.rowCount() && r <= static_cast<int>(edit.numbersBefore.size()); ++r)
            list.setNumber(r, edit.numbersBefore[static_cast<std::size_t>(r - 1)]);
    for (auto it = edit.replaced.rbegin(); it != edit.replaced.rend(); ++it) list.setRow(it->row, it->before);
    list.removeRows(rowsOf(edit.inserted));
    list.insertRows(edit.removed);
    Touched t = touched(edit);
    if (edit.renumber) t.last = list.rowCount() - 1;
    return t;
}

Edit replaceRow(const EventList& list, int r, EventRow after, std::string name) {
    Edit edit;
    edit.name = std::move(name);
    auto before = list.row(r);
    if (before != after) edit.replaced.push_back({r, std::move(before), std::move(after)});
    return edit;
}

Edit removeRows(const EventList& list, const std::vector<int>& rows, std::string name) {
    Edit edit;
    edit.name = std::move(name);
    edit.removed.reserve(rows.size());
    std::uint32_t carried = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = rows[i];
        edit.removed.push_back({r, list.row(r)});
        carried += list.delta(r);
        // At the end of a run of removed rows the next row takes their time.
        const bool runEnds = i + 1 == rows.size() || rows[i + 1] != r + 1;
        if (!runEnds) continue;
        const int next = r + 1;
        auto before = list.row(next);
        auto after = before;
        after.delta = before.delta.value_or(0) + carried;
        carried = 0;
        if (after != before) edit.replaced.push_back({next - static_cast<int>(i + 1), std::move(before), std::move(after)});
    }
    return edit;
}

}  // namespace document
