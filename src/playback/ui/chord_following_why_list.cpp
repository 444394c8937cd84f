#include "playback/ui/chord_following_why_list.h"

#include <QHeaderView>

namespace playback::ui {
namespace {

QString channelText(int channel) { return QString::number(channel + 1); }

}  // namespace

ChordFollowingWhyList::ChordFollowingWhyList(QWidget* parent) : QTreeWidget(parent) {
    setObjectName("WhyList");
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setHeaderLabels({tr("Part"), tr("Section"), tr("Source"), tr("Zone"), tr("NTR/NTT/RTR"), tr("State")});
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { rowClick(indexOfTopLevelItem(item)); });
}

void ChordFollowingWhyList::setRows(std::vector<chords::WhyRow> rows) {
    rows_ = std::move(rows);
    clear();
    for (const auto& r : rows_) {
        auto* item = new QTreeWidgetItem(this);
        item->setText(0, r.destination ? channelText(*r.destination) : QString("-"));
        item->setText(1, QString::fromStdString(r.section));
        item->setText(2, channelText(r.source));
        item->setText(3, r.destination ? QString(QChar(chords::zoneLetter(r.zone))) : QString());
        item->setText(4, QString::fromStdString(r.rule));
        const auto state = chords::whyStateText(r.state);
        item->setText(5, QString::fromLatin1(state.data(), static_cast<qsizetype>(state.size())));
        if (r.state != chords::WhyState::Plays)
            for (int c = 0; c < columnCount(); ++c) item->setForeground(c, QColor(0xC0, 0x30, 0x30));
    }
}

void ChordFollowingWhyList::rowClick(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) return;
    const auto& r = rows_[static_cast<std::size_t>(row)];
    setCurrentItem(topLevelItem(row));
    if (r.entry && onEntryChosen) onEntryChosen(*r.entry);
}

}  // namespace playback::ui
