#pragma once
// The event grid's table model over the core event list. The grid's header
// row is the view's header; every other grid row r is model row r - 1, and
// only gridRow()/modelRow() translate between the two.
#include <QAbstractTableModel>
#include <QStringList>

#include "document/document.h"
#include "document/list_edit.h"

namespace document::ui {

class EventTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    EventTableModel(const document::Document& doc, QObject* parent = nullptr);

    static int gridRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int gridRow) { return gridRow - 1; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The grid row an index shows (1 = first event), 0 for none.
    int rowAt(const QModelIndex& index) const;
    const document::EventList& list() const { return doc_.events; }

    void setHeaderTexts(const QStringList& texts);
    // While frozen the grid shows one empty row and never touches the list,
    // so the list may change underneath (reading a file).
    void setFrozen(bool frozen);
    bool frozen() const { return frozen_; }
    // The list changed as a whole.
    void reload();
    // One grid row changed.
    void refreshRow(int gridRow);
    // Around an edit of the list: rows that come or go lay the view's rows
    // out anew (the current row keeps its number, or becomes the last row),
    // changed rows are shown again.
    void aboutToEdit(bool rowsMove);
    void rowsEdited(const document::Touched& touched);

private:
    const document::Document& doc_;
    QStringList headers_;
    bool frozen_ = false;
    bool layoutChanging_ = false;
};

}  // namespace document::ui
