#include "tools/ui/dump_models.h"

#include "tools/hex_dump.h"

namespace tools::ui {
namespace {

// One character per byte, as the dump file holds them.
QString shown(const std::string& line) { return QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())); }

}  // namespace

void HexDumpModel::setBytes(base::Bytes bytes) {
    beginResetModel();
    bytes_ = std::move(bytes);
    shown_ = true;
    endResetModel();
}

void HexDumpModel::clear() {
    beginResetModel();
    bytes_.clear();
    shown_ = false;
    endResetModel();
}

int HexDumpModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !shown_) return 0;
    return static_cast<int>(tools::dumpLineCount(bytes_.size()));
}

QVariant HexDumpModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return shown(tools::dumpLine(bytes_, static_cast<std::size_t>(index.row())));
}

CompareModel::CompareModel(tools::Comparison comparison, QObject* parent)
    : QAbstractListModel(parent), comparison_(std::move(comparison)) {}

int CompareModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(tools::compareLineCount(comparison_));
}

QVariant CompareModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    // File names are shown as the system spells them; the rest is ASCII.
    return QString::fromStdString(tools::compareLine(comparison_, static_cast<std::size_t>(index.row())));
}

}  // namespace tools::ui
