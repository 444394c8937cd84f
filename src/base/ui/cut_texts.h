#pragma once
// Grid texts that do not fit: the widths that show them whole, and the whole
// text as a tooltip over a cell or heading that shows it cut.
#include <vector>

class QTableView;
class QWidget;

namespace base::ui {

// Per column: the wider of its heading and its widest text in the rows the
// view has laid out, as the view would draw them.
std::vector<int> wholeTextWidths(const QTableView& grid);
// The width a window needs beside its grid's columns for the grid to show
// `columns` pixels of columns: frame, row headings and a vertical scroll bar.
int gridChrome(const QTableView& grid);
// A window width: `wanted`, but within the available width of its screen.
int widthWithinScreen(const QWidget& window, int wanted);
// From now on a cell or heading whose text the view cuts shows the whole
// text as its tooltip (unless the model gives one of its own).
void showCutTextsAsTooltips(QTableView& grid);

}  // namespace base::ui
