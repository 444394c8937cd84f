#pragma once
// The CASM editor's grid as a table model over the entry list: rows are
// computed on demand from the entries, the columns come from the column
// tables of the core (the 18 grid columns, and the 20 columns of the Ctb2
// zones when all zones are shown). The grid's header row is the view's
// header; grid row r is model row r - 1, and only gridRow()/modelRow()
// translate. The sort modes order the rows, never the list.
#include <QAbstractTableModel>
#include <vector>

#include "base/language.h"
#include "casm/columns.h"
#include "casm/editor_grid.h"

namespace casm::ui {

class OpenCasm;

class CasmTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    CasmTableModel(const OpenCasm& casm, const base::Language& language, QObject* parent = nullptr);

    static int gridRow(int modelRow) { return modelRow + 1; }
    static int modelRow(int gridRow) { return gridRow - 1; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const Column& column(int c) const { return *columns_[static_cast<std::size_t>(c)]; }
    // The list index of a grid row (1 = first), or -1 for none.
    int entryAt(int gridRow) const;
    // The grid row of a list index, or 0.
    int gridRowOf(std::size_t index) const;

    SortMode sortMode() const { return sort_; }
    void setSortMode(SortMode mode);
    Zone shownZone() const { return zone_; }
    void setShownZone(Zone zone);
    bool allZones() const { return allZones_; }
    void setAllZones(bool on);
    // The grid's current row, which the colours swap for.
    void setCurrentGridRow(int gridRow);
    int currentGridRow() const { return current_; }

    // The list changed; rowsMoved when entries came or went.
    void listEdited(bool rowsMoved);
    // Marks changed: only colours and counts.
    void marksChanged();
    // The header texts again (the language changed).
    void headersChanged();

private:
    void reorder();
    void buildColumns();
    void refreshRow(int gridRow);

    const OpenCasm& casm_;
    const base::Language& language_;
    std::vector<const Column*> columns_;
    std::vector<std::size_t> order_;  // grid row - 1 -> list index
    std::vector<int> rowOf_;          // list index -> grid row
    SortMode sort_ = SortMode::Section;
    Zone zone_ = Zone::Middle;
    bool allZones_ = false;
    int current_ = 0;
};

}  // namespace casm::ui
