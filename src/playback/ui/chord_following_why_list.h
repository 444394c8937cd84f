#pragma once
// The "why" list of chord following: for the chord sounding, one row per
// part with the entry feeding it and its rules, or why it is silent. The
// rows come from chords::whyRows; clicking a row with an entry reports the
// entry's index, so the window can select it in the CASM editor.
#include <QTreeWidget>
#include <functional>
#include <vector>

#include "chords/why_rows.h"

namespace playback::ui {

class ChordFollowingWhyList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ChordFollowingWhyList(QWidget* parent = nullptr);

    void setRows(std::vector<chords::WhyRow> rows);
    const std::vector<chords::WhyRow>& rows() const { return rows_; }
    // Acts as a click on row `row`.
    void rowClick(int row);

    // The entry index of a clicked row that has one.
    std::function<void(std::size_t)> onEntryChosen;

private:
    std::vector<chords::WhyRow> rows_;
};

}  // namespace playback::ui
