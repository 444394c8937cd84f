#pragma once
// Draws the event grid's cells: each row in the colours of its colour class
// with a fill that darkens downwards, the current row in swapped colours,
// and in the "Sel" column the check mark of a selected row and the pointer
// of the current row.
#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QStyledItemDelegate>

#include "document/event_colours.h"

class QAbstractItemView;

namespace document::ui {

class EventTableModel;

// A settings colour (0xBBGGRR) as a QColor, and back.
QColor fromSettingsColour(int value);
int toSettingsColour(const QColor& colour);

class EventRowPainter : public QStyledItemDelegate {
public:
    EventRowPainter(const EventTableModel& model, const QAbstractItemView& view, QObject* parent = nullptr);

    void setColours(const document::ColourTable& colours) { colours_ = colours; }
    const document::ColourTable& colours() const { return colours_; }
    void setUseColor(bool on) { useColor_ = on; }
    bool useColor() const { return useColor_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The background and text colours of a cell, as drawn.
    struct CellColours {
        QColor background;
        QColor text;
    };
    CellColours cellColours(const QModelIndex& index) const;

    // The 16x16 check mark and the 8x16 pointer.
    static const QPixmap& checkMarkImage();
    static const QPixmap& pointerImage();
    // One line per pixel, each 3 darker per colour component than the one above.
    static QPixmap shadedFill(QColor top, int height);

private:
    bool isCurrent(const QModelIndex& index) const;
    void drawShaded(QPainter* painter, const QRect& rect, QColor top) const;

    const EventTableModel& model_;
    const QAbstractItemView& view_;
    document::ColourTable colours_ = document::builtinColours();
    bool useColor_ = true;
    mutable QHash<quint64, QPixmap> fills_;
};

}  // namespace document::ui
