#pragma once
// List models over the byte tools' lines: each line is formatted by the core
// when the view asks for it, so a large file costs its bytes and no more.
#include <QAbstractListModel>

#include "base/file_io.h"
#include "tools/compare.h"

namespace tools::ui {

class HexDumpModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    void setBytes(base::Bytes bytes);
    void clear();
    const base::Bytes& bytes() const { return bytes_; }
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    base::Bytes bytes_;
    bool shown_ = false;  // false: no file, no lines
};

class CompareModel : public QAbstractListModel {
    Q_OBJECT
public:
    CompareModel(tools::Comparison comparison, QObject* parent);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    tools::Comparison comparison_;
};

}  // namespace tools::ui
