#pragma once
// The grids of the program's windows: whole rows selected one at a time,
// cells not edited in place, and rows of one fixed height, so the view never
// asks the model for sizes and a million rows scroll as fast as ten.
class QTableView;

namespace base::ui {

void setUpRowGrid(QTableView* grid, int rowHeight);

}  // namespace base::ui
