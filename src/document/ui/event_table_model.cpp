#include "document/ui/event_table_model.h"

namespace document::ui {

EventTableModel::EventTableModel(const document::Document& doc, QObject* parent)
    : QAbstractTableModel(parent), doc_(doc) {
    headers_ = {"N", "Sel", "Tick+", "M:B:T", "Event", "Ch.", "Data", "Comment", "Text"};
}

int EventTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return frozen_ ? 1 : modelRow(list().rowCount());
}

int EventTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : document::kColumnCount;
}

int EventTableModel::rowAt(const QModelIndex& index) const {
    if (frozen_ || !index.isValid()) return 0;
    const int r = gridRow(index.row());
    return r >= 1 && r < list().rowCount() ? r : 0;
}

QVariant EventTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole) return {};
    const int row = rowAt(index);
    if (row == 0) return QString();
    // Cells are bytes; Latin-1 shows every byte as one character and back.
    const auto cell = document::cellText(doc_, row, index.column());
    return QString::fromLatin1(cell.data(), static_cast<qsizetype>(cell.size()));
}

QVariant EventTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return gridRow(section);
    return section >= 0 && section < headers_.size() ? headers_[section] : QVariant();
}

void EventTableModel::setHeaderTexts(const QStringList& texts) {
    headers_ = texts;
    emit headerDataChanged(Qt::Horizontal, 0, document::kColumnCount - 1);
}

void EventTableModel::setFrozen(bool frozen) {
    if (frozen == frozen_) return;
    beginResetModel();
    frozen_ = frozen;
    endResetModel();
}

void EventTableModel::reload() {
    beginResetModel();
    endResetModel();
}

void EventTableModel::refreshRow(int gridRow) {
    const int r = modelRow(gridRow);
    if (r < 0 || r >= rowCount()) return;
    emit dataChanged(index(r, 0), index(r, document::kColumnCount - 1));
}

void EventTableModel::aboutToEdit(bool rowsMove) {
    if (!rowsMove || frozen_) return;
    emit layoutAboutToBeChanged();
    layoutChanging_ = true;
}

void EventTableModel::rowsEdited(const document::Touched& touched) {
    if (frozen_) return;
    if (layoutChanging_) {
        // Scattered rows may have come and gone: a remembered index past
        // the end moves to the last row.
        layoutChanging_ = false;
        const auto before = persistentIndexList();
        QModelIndexList after;
        after.reserve(before.size());
        for (const auto& index : before)
            after.push_back(index.row() < rowCount() ? index : this->index(rowCount() - 1, index.column()));
        changePersistentIndexList(before, after);
        emit layoutChanged();
    }
    if (touched.first == 0) return;
    const int first = std::max(modelRow(touched.first), 0);
    const int last = touched.rowsMoved || touched.timesMoved ? rowCount() - 1
                                                             : std::min(modelRow(touched.last), rowCount() - 1);
    if (first <= last) emit dataChanged(index(first, 0), index(last, document::kColumnCount - 1));
}

}  // namespace document::ui
