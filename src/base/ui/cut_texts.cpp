#include "base/ui/cut_texts.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QToolTip>
#include <algorithm>

namespace base::ui {
namespace {

// Room the cell painters keep beside a cell's text (a little more, so a
// text at the very edge gets its tooltip too).
constexpr int kCellMargin = 8;

class CutTextTips final : public QObject {
public:
    CutTextTips(QTableView& grid) : QObject(&grid), grid_(grid) {
        grid.viewport()->installEventFilter(this);
        grid.horizontalHeader()->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        auto* model = grid_.model();
        if (!model) return false;
        bool cut = false;
        QString text;
        if (watched == grid_.viewport()) {
            const QModelIndex index = grid_.indexAt(help->pos());
            if (!index.isValid() || model->data(index, Qt::ToolTipRole).isValid()) return false;
            text = model->data(index, Qt::DisplayRole).toString();
            cut = grid_.fontMetrics().horizontalAdvance(text) + kCellMargin > grid_.visualRect(index).width();
        } else {
            const QHeaderView* header = grid_.horizontalHeader();
            const int column = header->logicalIndexAt(help->pos());
            if (column < 0 || model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).isValid()) return false;
            text = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
            cut = header->sectionSizeHint(column) > header->sectionSize(column);
        }
        if (cut && !text.isEmpty()) QToolTip::showText(help->globalPos(), text, static_cast<QWidget*>(watched));
        else QToolTip::hideText();
        return true;
    }

private:
    QTableView& grid_;
};

}  // namespace

std::vector<int> wholeTextWidths(const QTableView& grid) {
    std::vector<int> widths;
    const auto* model = grid.model();
    if (!model) return widths;
    const QHeaderView* header = grid.horizontalHeader();
    for (int c = 0; c < model->columnCount(); ++c) {
        const int heading = header->isHidden() ? 0 : header->sectionSizeHint(c);
        // Public through the base class; the table's own override lays out the rows.
        const int cells = static_cast<const QAbstractItemView&>(grid).sizeHintForColumn(c);
        widths.push_back(std::max(heading, cells));
    }
    return widths;
}

int gridChrome(const QTableView& grid) {
    const int rows = grid.verticalHeader()->isHidden() ? 0 : grid.verticalHeader()->sizeHint().width();
    const int scrollBar = grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &grid);
    return 2 * grid.frameWidth() + rows + scrollBar;
}

int widthWithinScreen(const QWidget& window, int wanted) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? std::min(wanted, screen->availableGeometry().width()) : wanted;
}

void showCutTextsAsTooltips(QTableView& grid) { new CutTextTips(grid); }

}  // namespace base::ui
