#include "casm/ui/casm_table_model.h"

#include <QColor>

#include "casm/ui/open_casm.h"

namespace casm::ui {
namespace {

QColor rgb(std::uint32_t c) { return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | c)); }

}  // namespace

CasmTableModel::CasmTableModel(const OpenCasm& casm, const base::Language& language, QObject* parent)
    : QAbstractTableModel(parent), casm_(casm), language_(language) {
    buildColumns();
    reorder();
}

void CasmTableModel::buildColumns() {
    columns_.clear();
    for (const auto& c : gridColumns()) columns_.push_back(&c);
    if (allZones_)
        for (const auto& c : ctb2Columns()) columns_.push_back(&c);
}

void CasmTableModel::reorder() {
    order_ = gridOrder(casm_.entries(), sort_);
    rowOf_.assign(order_.size(), 0);
    for (std::size_t r = 0; r < order_.size(); ++r) rowOf_[order_[r]] = static_cast<int>(r) + 1;
}

int CasmTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int CasmTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

int CasmTableModel::entryAt(int gridRow) const {
    const int r = modelRow(gridRow);
    return r >= 0 && r < static_cast<int>(order_.size()) ? static_cast<int>(order_[static_cast<std::size_t>(r)]) : -1;
}

int CasmTableModel::gridRowOf(std::size_t index) const { return index < rowOf_.size() ? rowOf_[index] : 0; }

QVariant CasmTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int at = entryAt(gridRow(index.row()));
    if (at < 0) return {};
    const Entry& e = casm_.entries()[static_cast<std::size_t>(at)];
    const Column& c = column(index.column());
    const bool current = gridRow(index.row()) == current_;
    switch (role) {
        case Qt::ToolTipRole:  // the whole text of a cell too narrow for it
        case Qt::DisplayRole: {
            if (role == Qt::ToolTipRole && !columnApplies(c, e)) return QStringLiteral("Ctb2 (SFF2) entries only");
            const auto text = cellText(e, c, static_cast<std::uint32_t>(gridRow(index.row())), zone_, language_);
            return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        }
        case Qt::BackgroundRole:
        case Qt::ForegroundRole: {
            const auto colours =
                c.field == ColumnField::Number ? fixedCellColours(current) : entryCellColours(e.marked, e.changed, current);
            return rgb(role == Qt::BackgroundRole ? colours.background : colours.text);
        }
        default: return {};
    }
}

QVariant CasmTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(headingText(column(section), language_));
    if (role == Qt::BackgroundRole) return rgb(fixedCellColours(false).background);
    return {};
}

void CasmTableModel::setSortMode(SortMode mode) {
    if (mode == sort_) return;
    sort_ = mode;
    beginResetModel();
    reorder();
    endResetModel();
}

void CasmTableModel::setShownZone(Zone zone) {
    if (zone == zone_) return;
    zone_ = zone;
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void CasmTableModel::setAllZones(bool on) {
    if (on == allZones_) return;
    beginResetModel();
    allZones_ = on;
    buildColumns();
    endResetModel();
}

void CasmTableModel::setCurrentGridRow(int row) {
    if (row == current_) return;
    const int before = current_;
    current_ = row;
    refreshRow(before);
    refreshRow(row);
}

void CasmTableModel::refreshRow(int row) {
    const int r = modelRow(row);
    if (r < 0 || r >= rowCount()) return;
    emit dataChanged(index(r, 0), index(r, columnCount() - 1));
}

void CasmTableModel::listEdited(bool rowsMoved) {
    // A sort mode may move an edited entry to another row: then the rows are laid out anew.
    if (rowsMoved || gridOrder(casm_.entries(), sort_) != order_) {
        beginResetModel();
        reorder();
        endResetModel();
        return;
    }
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void CasmTableModel::marksChanged() {
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void CasmTableModel::headersChanged() { emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1); }

}  // namespace casm::ui
